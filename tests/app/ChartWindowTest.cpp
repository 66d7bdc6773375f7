// The comparison chart in the window: what "&Display" puts on the screen, and what the chart does
// for the user beyond drawing (tooltips, zoom, pan, saving a picture). What Display computes is
// tested with the chart computation itself.
#include "MonitoringChart.h"
#include "TfmQuorvel.h"
#include "WindowTestRun.h"

#include "digest/DigestTableLayout.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QTabWidget>
#include <QTest>
#include <QToolTip>

#include <ctime>

using namespace Qt::StringLiterals;

namespace {

using enum MonitoringChart::Line;

const QString cpu = u"[Kernel Utilization]_[Engine Busy Utilization]_[Engine 0]"_s;
const QString sleeps = u"[Kernel Utilization]_[CPU Yields by Engine]_[Full Sleeps]"_s;
const QString shown = u"Data Displayed in Chart"_s;

// The ranges the axes show, as text; "hidden" while they are hidden.
QString rangeOf(const std::optional<ChartAxes> &axes)
{
    if (!axes)
        return u"hidden"_s;
    return axes->timeFrom.toString(Qt::ISODateWithMs) % u" to "_s % axes->timeTo.toString(Qt::ISODateWithMs) % u", "_s %
        QString::number(axes->valueFrom) % u" to "_s % QString::number(axes->valueTo);
}

// A run of the program on the digest tab with the chart area opened.
struct ChartRun : WindowRun
{
    GridTable &digest = window.sgSysmonDigest;
    MonitoringChart &chart = *control<MonitoringChart>(u"chrtMonitoring"_s);

    // The CPU row (average 10) and the sleeps row (average 4); each report column is given as its
    // sample time, CPU value and sleeps value.
    void fillDigest(const QList<QStringList> &reports)
    {
        DigestTableLayout::reset(digest);
        digest.setRows(3);
        digest.setColumns(DigestTableLayout::fixedColumnCount + int(reports.size()));
        const QStringList names[] = { { cpu, u"10"_s }, { sleeps, u"4"_s } };
        for (int row = 1; row <= 2; ++row) {
            digest.setCell(DigestTableLayout::CounterName, row, names[row - 1][0]);
            digest.setCell(DigestTableLayout::Average, row, names[row - 1][1]);
        }
        for (int i = 0; i < reports.size(); ++i) {
            for (int row = 0; row <= 2; ++row)
                digest.setCell(DigestTableLayout::fixedColumnCount + i, row, reports[i].value(row));
        }
        control<QTabWidget>(u"tabControls"_s)->setCurrentIndex(2);
        control<QSplitter>(u"spSplit"_s)->setSizes({ 150, 350 });
    }

    // "&Display" with "Set Ratio" ticked.
    void display(const QString &y1, const QString &y2, bool timeOnly = true)
    {
        control<QComboBox>(u"cbValueAxis"_s)->setEditText(y1);
        control<QComboBox>(u"cbValueAxis2"_s)->setEditText(y2);
        control<QCheckBox>(u"cbTimeOnly"_s)->setChecked(timeOnly);
        QTest::mouseClick(control<QPushButton>(u"btSetGraph"_s), Qt::LeftButton);
        // The chart lays itself out on the next turn of the event loop.
        QCoreApplication::processEvents();
    }

    // Each point as its time of day and the value drawn.
    QStringList points(MonitoringChart::Line line) const
    {
        QStringList texts;
        for (const ChartPoint &point : chart.points(line))
            texts << point.time.toString(u"hh:mm:ss"_s) % u' ' % QString::number(point.value);
        return texts;
    }

    QLineEdit *edRatio() const { return control<QLineEdit>(u"edRatio"_s); }
    void trigger(const QString &action) const { control<QAction>(action)->trigger(); }
    QPoint at(MonitoringChart::Line line, int index) const { return chart.positionOf(line, index); }

    // The pixels in which the chart as the screen shows it differs from the chart drawn afresh:
    // whatever a repaint left behind of an earlier picture.
    int stalePixels() const
    {
        const QPoint origin = chart.mapTo(&window, QPoint(0, 0));
        const QImage onScreen = window.screen()
                                    ->grabWindow(window.winId(), origin.x(), origin.y(), chart.width(), chart.height())
                                    .toImage()
                                    .convertToFormat(QImage::Format_RGB32);
        const QImage fresh = chart.grab().toImage().convertToFormat(QImage::Format_RGB32);
        if (onScreen.size() != fresh.size())
            return -1;
        int stale = 0;
        for (int y = 0; y < fresh.height(); ++y) {
            for (int x = 0; x < fresh.width(); ++x)
                stale += onScreen.pixel(x, y) != fresh.pixel(x, y);
        }
        return stale;
    }
};

// Whether a pixel of the picture has the colour, as the line labels are written in it.
bool holdsColour(const QImage &picture, const QColor &colour)
{
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (picture.pixelColor(x, y) == colour)
                return true;
        }
    }
    return false;
}

QDateTime timeOnlyDay(int hour, int minute, int second)
{
    return QDateTime(QDate(1899, 12, 30), QTime(hour, minute, second), Qt::UTC);
}

} // namespace

class ChartWindowTest : public QObject, private WindowTestRun<ChartRun>
{
    Q_OBJECT

private slots:
    // The time labels must show the reports' wall-clock times in a zone with daylight saving.
    void initTestCase()
    {
        qputenv("TZ", "Europe/Amsterdam");
        tzset();
    }
    void init() { enterWorkingFolder(); }
    void cleanup() { leaveWorkingFolder(); }

    void displayPutsTheResultOnTheScreen()
    {
        ChartRun &r = start();
        r.fillDigest({ { u" 10:00:00"_s, u"30"_s, u"2"_s },
                       { u" 09:00:00"_s, u"20"_s, u"4"_s },
                       { u" 11:00:00"_s, u"25"_s, u"3"_s } });
        // Columns out of time order, a box text in other letters' case, the ratio from the averages.
        r.display(cpu.toUpper(), sleeps);
        QCOMPARE(r.chart.title(), QString());
        QCOMPARE(r.points(Series1), (QStringList { u"09:00:00 20"_s, u"10:00:00 30"_s, u"11:00:00 25"_s }));
        QCOMPARE(r.points(Series2), (QStringList { u"09:00:00 10"_s, u"10:00:00 5"_s, u"11:00:00 7.5"_s }));
        QCOMPARE(r.edRatio()->text(), u"2.5"_s);
        QCOMPARE(r.status(1), shown);
        QCOMPARE(r.chart.labelFormat(), u"hh:mm:ss"_s);
        const ChartAxes axes = r.chart.shownAxes().value();
        QVERIFY(axes.timeFrom < timeOnlyDay(9, 0, 0) && axes.timeTo > timeOnlyDay(11, 0, 0));
        QVERIFY(axes.valueFrom < 5 && axes.valueTo > 30);

        // Times of day read as dates: the failure goes to the status bar, never into a message box.
        r.display(cpu, sleeps, false);
        QCOMPARE(r.status(1), u"Gragh Error: '10/1/10:0 10:00:00' is not a valid date and time"_s);
        QVERIFY(r.script.errors.isEmpty());
        QCOMPARE(r.chart.labelFormat(), u"dd/MM/yyyy hh:mm:ss"_s);
        QCOMPARE(r.points(Series1), QStringList());
        QCOMPARE(rangeOf(r.chart.shownAxes()), u"hidden"_s);

        // No row named: the chart stays empty; edRatio and the status bar keep their texts.
        r.display(cpu, sleeps);
        r.edRatio()->setText(u"3"_s);
        r.window.ui().setStatus(StatusPanel::Messages, u"before"_s);
        r.display(u"nothing"_s, u"cbValueAxis"_s);
        QCOMPARE(r.points(Series1), QStringList());
        QCOMPARE(r.points(Series2), QStringList());
        QCOMPARE(rangeOf(r.chart.shownAxes()), u"hidden"_s);
        QCOMPARE(r.edRatio()->text(), u"3"_s);
        QCOMPARE(r.status(1), u"before"_s);
    }

    void timeLabelsReadAsTheReportsWhateverTheDesktopZone()
    {
        ChartRun &r = start();
        // A single report: the time axis is widened around it, labelled in wall-clock time.
        r.fillDigest({ { u" 14:11:03"_s, u"7"_s } });
        r.display(cpu, QString());
        const ChartAxes axes = r.chart.shownAxes().value();
        QVERIFY(axes.timeFrom < timeOnlyDay(14, 11, 3) && axes.timeTo > timeOnlyDay(14, 11, 3));
        QVERIFY(axes.timeFrom.secsTo(axes.timeTo) < 120);
        const QStringList labels = r.chart.timeLabels();
        QVERIFY(labels.size() >= 2);
        QCOMPARE(labels.first(), axes.timeFrom.toString(u"hh:mm:ss"_s));
        QCOMPARE(labels.last(), axes.timeTo.toString(u"hh:mm:ss"_s));

        // The clocks go forward at 02:00 on that day: the readings of the hour they skip still keep
        // the line in time order.
        r.fillDigest({ { u"Mar 31, 2024 01:59:00"_s, u"1"_s },
                       { u"Mar 31, 2024 02:30:00"_s, u"2"_s },
                       { u"Mar 31, 2024 03:00:00"_s, u"3"_s } });
        r.display(cpu, QString(), false);
        QCOMPARE(r.status(1), shown);
        QVERIFY(r.at(Series1, 0).x() < r.at(Series1, 1).x());
        QVERIFY(r.at(Series1, 1).x() <= r.at(Series1, 2).x());
        QCOMPARE(r.chart.timeLabels().first(), r.chart.shownAxes()->timeFrom.toString(u"dd/MM/yyyy hh:mm:ss"_s));
    }

    void tooltipTellsAboutThePointUnderThePointer()
    {
        ChartRun &r = start();
        r.fillDigest({ { u" 09:00:00"_s, u"20"_s, u"4"_s }, { u" 10:00:00"_s, u"30"_s, u"5"_s } });
        r.display(cpu, sleeps);
        QCOMPARE(r.chart.toolTipAt(r.at(Series1, 1)), u"10:00:00\n"_s % cpu % u"\n30"_s);
        QCOMPARE(r.chart.toolTipAt(r.at(Series2, 0) + QPoint(3, -3)),
                 u"09:00:00\n"_s % sleeps % u"\n10 (4 before the ratio)"_s);
        // Hovering asks for the tooltip; away from every point there is none.
        QWidget *viewport = r.chart.canvas();
        const QPoint onPoint = r.at(Series1, 0);
        QHelpEvent hover(QEvent::ToolTip, onPoint, viewport->mapToGlobal(onPoint));
        QCoreApplication::sendEvent(viewport, &hover);
        QCOMPARE(QToolTip::text(), u"09:00:00\n"_s % cpu % u"\n20"_s);
        const QPoint between = (onPoint + r.at(Series1, 1)) / 2 + QPoint(0, 40);
        QCOMPARE(r.chart.toolTipAt(between), QString());
    }

    void wheelZoomsDragPansAndResetShowsEveryPoint()
    {
        ChartRun &r = start();
        r.fillDigest({ { u" 09:00:00"_s, u"1"_s },
                       { u" 10:00:00"_s, u"4"_s },
                       { u" 11:00:00"_s, u"2"_s },
                       { u" 12:00:00"_s, u"3"_s } });
        r.display(cpu, QString());
        const ChartAxes all = r.chart.shownAxes().value();
        QWidget *viewport = r.chart.canvas();

        // Two notches towards the screen zoom in around the pointer, which stays on its point.
        const QPoint pointer = r.at(Series1, 1);
        QWheelEvent wheel(pointer, viewport->mapToGlobal(pointer), QPoint(), QPoint(0, 240), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(viewport, &wheel);
        const ChartAxes zoomed = r.chart.shownAxes().value();
        QVERIFY(zoomed.timeFrom > all.timeFrom && zoomed.timeTo < all.timeTo);
        QVERIFY(std::abs(r.at(Series1, 1).x() - pointer.x()) <= 1);
        QCOMPARE(zoomed.valueFrom, all.valueFrom); // every value stays in sight

        // Dragging to the right shows earlier times.
        QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, pointer);
        QTest::mouseMove(viewport, pointer + QPoint(60, 0));
        QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, pointer + QPoint(60, 0));
        QVERIFY(r.chart.shownAxes()->timeFrom < zoomed.timeFrom);

        r.trigger(u"miResetZoom"_s);
        QCOMPARE(rangeOf(r.chart.shownAxes()), rangeOf(all));
        QCoreApplication::sendEvent(viewport, &wheel);
        QTest::mouseDClick(viewport, Qt::LeftButton, Qt::NoModifier, pointer);
        QCOMPARE(rangeOf(r.chart.shownAxes()), rangeOf(all));
    }

    // The markers of the points a Display, a zoom or a pan leaves out must go from the screen, also
    // where they stood on the edge of the plot.
    void everyDisplayZoomAndPanLeavesOnlyItsOwnPointsOnTheScreen()
    {
        ChartRun &r = start();
        const QList<QStringList> threeReports = { { u" 09:00:00"_s, u"20"_s, u"4"_s },
                                                  { u" 10:00:00"_s, u"30"_s, u"5"_s },
                                                  { u" 11:00:00"_s, u"10"_s, u"8"_s } };
        r.fillDigest(threeReports);
        r.display(cpu, sleeps);
        QTRY_COMPARE(r.stalePixels(), 0);
        r.fillDigest({ threeReports[1] });
        r.display(cpu, sleeps);
        QTRY_COMPARE(r.stalePixels(), 0);

        r.fillDigest(threeReports);
        r.display(cpu, sleeps);
        QWidget *viewport = r.chart.canvas();
        const QPoint pointer = r.at(Series1, 1);
        QWheelEvent wheel(pointer, viewport->mapToGlobal(pointer), QPoint(), QPoint(0, 360), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(viewport, &wheel);
        QTRY_COMPARE(r.stalePixels(), 0);
        QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, pointer);
        QTest::mouseMove(viewport, pointer + QPoint(150, 0));
        QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, pointer + QPoint(150, 0));
        QTRY_COMPARE(r.stalePixels(), 0);
        r.trigger(u"miResetZoom"_s);
        QTRY_COMPARE(r.stalePixels(), 0);
    }

    void saveChartAsPngWritesTheChartAsShown()
    {
        ChartRun &r = start();
        r.fillDigest({ { u" 09:00:00"_s, u"20"_s, u"4"_s }, { u" 10:00:00"_s, u"30"_s, u"5"_s } });
        r.display(cpu, sleeps);

        r.trigger(u"miSaveChart"_s); // cancelled: nothing written
        QCOMPARE(r.script.savePresets, QStringList { u"*.png"_s });
        QVERIFY(QDir(filePath(QString())).entryList(QDir::Files).isEmpty());

        // Above the plot the picture says what it shows, the names in their lines' colours.
        const QString path = filePath(u"chart.png"_s);
        r.script.saveAnswers << path;
        r.trigger(u"miSaveChart"_s);
        QCOMPARE(r.chart.caption().line1, u"Y Ax.1: "_s % cpu);
        QCOMPARE(r.chart.caption().line2, u"Y Ax.2: "_s % sleeps % u", multiplied by the ratio 2.5"_s);
        QCOMPARE(r.chart.caption().times, u"Time: 09:00:00 to 10:00:00"_s);
        const QImage picture(path);
        QCOMPARE(picture.width(), r.chart.width());
        const int captionHeight = picture.height() - r.chart.height();
        QVERIFY(captionHeight > 3 * QFontMetrics(r.chart.font()).height());
        QVERIFY(holdsColour(picture.copy(0, 0, picture.width(), captionHeight), QColor(255, 0, 0)));
        QVERIFY(holdsColour(picture.copy(0, 0, picture.width(), captionHeight), QColor(0, 128, 0)));
        QCOMPARE(
            picture.copy(0, captionHeight, r.chart.width(), r.chart.height()).convertToFormat(QImage::Format_RGB32),
            r.chart.canvas()->parentWidget()->grab().toImage().convertToFormat(QImage::Format_RGB32));
        QCOMPARE(r.status(1), u"Chart saved to "_s + path);
        QVERIFY(r.script.errors.isEmpty());

        // Zoomed in on the last report, the picture shows its time alone.
        const QPoint last = r.at(Series2, 1);
        QWheelEvent wheel(last, r.chart.canvas()->mapToGlobal(last), QPoint(), QPoint(0, 1200), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(r.chart.canvas(), &wheel);
        QCOMPARE(r.chart.caption().times, u"Time: 10:00:00"_s);

        const QString unwritable = filePath(u"no such folder/chart.png"_s);
        r.script.saveAnswers << unwritable;
        r.trigger(u"miSaveChart"_s);
        QCOMPARE(r.script.errors.size(), 1);
        QVERIFY2(r.script.errors.first().startsWith(u"APP. ERR (SaveChart):  Cannot write the chart to '"_s %
                                                    unwritable % u"': "_s),
                 qPrintable(r.script.errors.first()));
    }
};

QTEST_MAIN(ChartWindowTest)
#include "ChartWindowTest.moc"
