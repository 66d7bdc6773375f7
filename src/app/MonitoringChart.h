#pragma once

#include "chart/ChartAxes.h"
#include "chart/ChartCaption.h"
#include "chart/ChartPoint.h"
#include "chart/ChartResult.h"

#include <QList>
#include <QPixmap>
#include <QStringList>
#include <QWidget>

#include <optional>

class QChart;
class QChartView;
class QDateTimeAxis;
class QHelpEvent;
class QLineSeries;
class QMenu;
class QMouseEvent;
class QValueAxis;
class QWheelEvent;

// The comparison chart of the digest tab (`chrtMonitoring`). Everything that knows Qt Charts stays
// in this class, so the chart library can be exchanged without touching the window: its interface
// speaks in the chart computation's terms, and the Qt Charts view inside it is its own affair.
//
// Besides drawing what Display decides, it behaves as a monitoring chart does: a tooltip names the
// point under the pointer, the mouse wheel zooms the time axis around the pointer, dragging pans
// it, and a double click or "Reset Zoom" shows every point again. Its context menu also offers
// "Save Chart as PNG...", which the window carries out.
class MonitoringChart : public QWidget
{
    Q_OBJECT

public:
    // The red line ("Y Ax.1") and the green line ("Y Ax.2", scaled by the ratio).
    enum Line { Series1, Series2 };
    static QColor colour(Line line);

    explicit MonitoringChart(QWidget *parent = nullptr);

    // What Display draws: both lines and the title are emptied; when the result draws, the lines
    // get its points, the time axis its label format and both axes the ranges that fit the points,
    // with a narrow margin so that the outermost markers show whole.
    void draw(const ChartResult &result);
    // Shows every point again after zooming or panning.
    void resetZoom();
    // The chart as it shows on the screen, at its size there, below a caption that says what it
    // shows (caption()) in the lines' colours.
    QPixmap picture();
    // What the picture's caption says of the chart as drawn and zoomed now.
    ChartCaption caption() const;

    // A read-only view of what is drawn, for tests.
    QString title() const;
    QString labelFormat() const;
    // The points as the line holds them, in the order it joins them.
    QList<ChartPoint> points(Line line) const;
    // The ranges the axes show now, margins included; nothing while the axes are hidden.
    std::optional<ChartAxes> shownAxes() const;
    // The surface the chart is drawn on, which the mouse acts on.
    QWidget *canvas() const;
    // Where a point of a line lies on the canvas.
    QPoint positionOf(Line line, int index) const;
    // The time axis labels as they are written on the screen, left to right.
    QStringList timeLabels() const;
    // The tooltip shown with the pointer at `position` on the canvas; empty away from a point.
    QString toolTipAt(QPoint position) const;

signals:
    void saveRequested(); // "Save Chart as PNG..."

protected:
    // What the mouse does on the canvas.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLineSeries *series(Line line) const;
    void showAxes(const std::optional<ChartAxes> &axes);
    void fitTicks();
    void zoomTime(double factor, QPoint around);
    qreal axisValueAt(QPoint position) const;
    void showToolTip(const QHelpEvent &event);
    void zoom(const QWheelEvent &event);
    void drag(const QMouseEvent &event);

    QChartView *view_;
    QChart *chart_;
    QLineSeries *series1_;
    QLineSeries *series2_;
    QDateTimeAxis *timeAxis_;
    QValueAxis *valueAxis_;
    QMenu *menChart;
    // What the tooltips tell about each point, in the lines' order.
    QList<ChartPoint> points_[2];
    // What the last Display drew, for the picture's caption.
    ChartResult drawn_;
    // The ranges that show every point, which Reset Zoom returns to.
    std::optional<ChartAxes> fitted_;
    // Where the last drag step left the pointer; nothing while no drag is under way.
    std::optional<QPoint> dragFrom_;
};
