#include "MonitoringChart.h"

#include "chart/ChartResult.h"
#include "chart/ComparisonChart.h"
#include "common/NumberText.h"

#include <QBoxLayout>
#include <QChart>
#include <QChartView>
#include <QContextMenuEvent>
#include <QDateTimeAxis>
#include <QFontMetricsF>
#include <QGraphicsLayout>
#include <QGraphicsTextItem>
#include <QLineSeries>
#include <QMenu>
#include <QPainter>
#include <QPen>
#include <QTimeZone>
#include <QToolTip>
#include <QValueAxis>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

// How close the pointer must come to a point for its tooltip, in pixels.
constexpr qreal pointHitRadius = 8;
// One notch of the mouse wheel shows this share of the time span; the view never narrows below a
// second.
constexpr qreal zoomPerNotch = 0.8;
constexpr qreal shortestTimeSpan = 1000;
// Each axis reaches this share of its span beyond the outermost points, so that their markers show
// whole instead of cut by the edge of the plot.
constexpr qreal edgeShare = 0.03;
// At most this many ticks on each axis, fewer where their labels would crowd each other.
constexpr int mostTicks = 6;
// The blank around the caption of a saved picture, in pixels.
constexpr int captionMargin = 6;

// The time axis writes its labels in the desktop's local time, while the points hold wall-clock
// readings in UTC. Each reading is therefore placed at the instant at which the desktop's clock
// shows it, so that the labels read as the reports do. A reading that the desktop's clock skips
// when it goes forward is placed at the moment it goes forward, so the line keeps its time order.
qreal axisValueOf(const QDateTime &wallClock)
{
    const QDateTime local(wallClock.date(), wallClock.time(), Qt::LocalTime);
    if (local.isValid())
        return qreal(local.toMSecsSinceEpoch());
    const QDateTime movedOn = QDateTime::fromMSecsSinceEpoch(local.toMSecsSinceEpoch(), Qt::UTC);
    const QTimeZone::OffsetData change = QTimeZone::systemTimeZone().previousTransition(movedOn);
    return qreal(change.atUtc.isValid() ? change.atUtc.toMSecsSinceEpoch() : local.toMSecsSinceEpoch());
}

QDateTime wallClockOf(qreal axisValue)
{
    const QDateTime local = QDateTime::fromMSecsSinceEpoch(qint64(std::llround(axisValue)), Qt::LocalTime);
    return QDateTime(local.date(), local.time(), Qt::UTC);
}

QDateTime axisDateTime(qreal axisValue)
{
    return QDateTime::fromMSecsSinceEpoch(qint64(std::llround(axisValue)), Qt::LocalTime);
}

struct Span
{
    qreal from;
    qreal to;
};

Span padded(qreal from, qreal to)
{
    constexpr qreal largest = std::numeric_limits<qreal>::max();
    qreal pad = (to - from) * edgeShare;
    if (!std::isfinite(pad))
        pad = 0;
    return { std::clamp(from - pad, -largest, largest), std::clamp(to + pad, -largest, largest) };
}

// A step of 1, 2 or 5 times a power of ten that divides `span` into about `parts` parts.
qreal roundStep(qreal span, int parts)
{
    const qreal rough = span / parts;
    const qreal power = std::pow(10.0, std::floor(std::log10(rough)));
    const qreal leading = rough / power;
    const qreal step = leading < 1.5 ? 1 : leading < 3 ? 2 : leading < 7 ? 5 : 10;
    return step * power;
}

// A time whose label is about as wide as any.
QDateTime widestTime()
{
    return QDateTime(QDate(2000, 12, 28), QTime(20, 58, 58), Qt::UTC);
}

QLineSeries *lineSeries(const QString &name, const QColor &colour)
{
    auto *series = new QLineSeries;
    series->setName(name);
    series->setPen(QPen(colour, 1.5));
    series->setPointLabelsVisible(false);
    // A line needs two points; the markers show a lone report too.
    series->setPointsVisible(true);
    series->setMarkerSize(6);
    return series;
}

QString toolTipText(const ChartPoint &point, MonitoringChart::Line line, const QString &timeFormat)
{
    QString value = NumberText::general(point.value);
    if (line == MonitoringChart::Series2)
        value += u" ("_s % NumberText::general(point.valueBeforeRatio) % u" before the ratio)"_s;
    return point.time.toString(timeFormat) % u'\n' % point.counterName % u'\n' % value;
}

struct CaptionLine
{
    QString text;
    QColor colour;
};

// The plot below the lines of its caption, on white. A counter name wider than the picture keeps
// its beginning (the section) and its end (the counter), which tell the rows apart.
QPixmap withCaption(const QPixmap &plot, const QList<CaptionLine> &lines, const QFont &font)
{
    if (lines.isEmpty())
        return plot;
    const QFontMetrics metrics(font);
    const int textWidth = plot.width() - 2 * captionMargin;
    const QSize size(plot.width(), plot.height() + 2 * captionMargin + int(lines.size()) * metrics.height());
    QPixmap picture(size * plot.devicePixelRatio());
    picture.setDevicePixelRatio(plot.devicePixelRatio());
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setFont(font);
    int y = captionMargin;
    for (const CaptionLine &line : lines) {
        painter.setPen(line.colour);
        painter.drawText(QRect(captionMargin, y, textWidth, metrics.height()), Qt::AlignLeft | Qt::AlignVCenter,
                         metrics.elidedText(line.text, Qt::ElideMiddle, textWidth));
        y += metrics.height();
    }
    painter.drawPixmap(0, y + captionMargin, plot);
    return picture;
}

qreal distance(QPointF a, QPointF b)
{
    return std::hypot(a.x() - b.x(), a.y() - b.y());
}

} // namespace

QColor MonitoringChart::colour(Line line)
{
    return line == Series1 ? QColor(255, 0, 0) : QColor(0, 128, 0);
}

MonitoringChart::MonitoringChart(QWidget *parent) :
    QWidget(parent),
    view_(new QChartView(this)),
    chart_(new QChart),
    series1_(lineSeries(u"Series1"_s, colour(Series1))),
    series2_(lineSeries(u"Series2"_s, colour(Series2))),
    timeAxis_(new QDateTimeAxis),
    valueAxis_(new QValueAxis),
    menChart(new QMenu(this))
{
    setObjectName(u"chrtMonitoring"_s);
    chart_->setTitle(u"Sysmon Comparison Graph"_s);
    chart_->legend()->hide();
    chart_->addSeries(series1_);
    chart_->addSeries(series2_);
    chart_->addAxis(timeAxis_, Qt::AlignBottom);
    chart_->addAxis(valueAxis_, Qt::AlignLeft);
    for (QLineSeries *line : { series1_, series2_ }) {
        line->attachAxis(timeAxis_);
        line->attachAxis(valueAxis_);
    }
    showAxes(std::nullopt);
    // The chart area is small: the plot gets all but a narrow rim.
    chart_->setMargins(QMargins(4, 4, 12, 4));
    chart_->layout()->setContentsMargins(0, 0, 0, 0);
    chart_->setBackgroundRoundness(0);
    connect(chart_, &QChart::plotAreaChanged, this, &MonitoringChart::fitTicks);
    timeAxis_->setFormat(QString::fromUtf16(ComparisonChart::timeOnlyLabelFormat));
    view_->setChart(chart_); // the view owns the chart from here on
    view_->setRenderHint(QPainter::Antialiasing);
    // A line repaints only within the plot, while the markers of its outermost points reach over the
    // plot's edge: after a Display, a zoom or a pan their halves would stay on the screen, at times
    // where no report is, until the next resize. The chart is small, so it is redrawn whole.
    view_->setViewportUpdateMode(QGraphicsView::FullViewportUpdate);
    view_->viewport()->installEventFilter(this);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);

    menChart->setObjectName(u"menChart"_s);
    QAction *reset = menChart->addAction(u"Reset Zoom"_s, this, &MonitoringChart::resetZoom);
    reset->setObjectName(u"miResetZoom"_s);
    QAction *save = menChart->addAction(u"Save Chart as PNG..."_s, this, &MonitoringChart::saveRequested);
    save->setObjectName(u"miSaveChart"_s);
}

QLineSeries *MonitoringChart::series(Line line) const
{
    return line == Series1 ? series1_ : series2_;
}

void MonitoringChart::draw(const ChartResult &result)
{
    chart_->setTitle(QString());
    drawn_ = result;
    points_[Series1] = result.drawn ? result.series1 : QList<ChartPoint>();
    points_[Series2] = result.drawn ? result.series2 : QList<ChartPoint>();
    for (Line line : { Series1, Series2 }) {
        QList<QPointF> shown;
        shown.reserve(points_[line].size());
        for (const ChartPoint &point : std::as_const(points_[line]))
            shown.append(QPointF(axisValueOf(point.time), point.value));
        series(line)->replace(shown);
    }
    if (result.drawn)
        timeAxis_->setFormat(result.labelFormat);
    fitted_ = result.drawn ? result.axes : std::nullopt;
    showAxes(fitted_);
}

// Axes without points would show the ranges of some earlier Display, or of 1970.
void MonitoringChart::showAxes(const std::optional<ChartAxes> &axes)
{
    timeAxis_->setVisible(axes.has_value());
    valueAxis_->setVisible(axes.has_value());
    if (!axes)
        return;
    const Span time = padded(axisValueOf(axes->timeFrom), axisValueOf(axes->timeTo));
    timeAxis_->setRange(axisDateTime(time.from), axisDateTime(time.to));
    const Span value = padded(axes->valueFrom, axes->valueTo);
    valueAxis_->setRange(value.from, value.to);
    fitTicks();
}

// As many ticks as their labels have room for; value ticks at round numbers, which read better
// than ticks that divide an odd span evenly.
void MonitoringChart::fitTicks()
{
    const QRectF plot = chart_->plotArea();
    const QFontMetricsF timeFont(timeAxis_->labelsFont());
    const qreal labelWidth = timeFont.horizontalAdvance(widestTime().toString(timeAxis_->format())) * 1.5;
    timeAxis_->setTickCount(std::clamp(int(plot.width() / labelWidth) + 1, 2, mostTicks));

    const qreal labelHeight = QFontMetricsF(valueAxis_->labelsFont()).height() * 2;
    const int parts = std::clamp(int(plot.height() / labelHeight), 1, mostTicks - 1);
    const qreal step = roundStep(valueAxis_->max() - valueAxis_->min(), parts);
    const bool round = std::isfinite(step) && step > 0;
    valueAxis_->setTickType(round ? QValueAxis::TicksDynamic : QValueAxis::TicksFixed);
    if (round) {
        valueAxis_->setTickAnchor(0);
        valueAxis_->setTickInterval(step);
    }
}

void MonitoringChart::resetZoom()
{
    showAxes(fitted_);
}

QPixmap MonitoringChart::picture()
{
    const ChartCaption told = caption();
    QList<CaptionLine> lines;
    if (!told.line1.isEmpty())
        lines.append({ told.line1, colour(Series1) });
    if (!told.line2.isEmpty())
        lines.append({ told.line2, colour(Series2) });
    if (!told.times.isEmpty())
        lines.append({ told.times, palette().color(QPalette::WindowText) });
    QFont font = this->font();
    font.setBold(true);
    return withCaption(view_->grab(), lines, font);
}

ChartCaption MonitoringChart::caption() const
{
    const std::optional<ChartAxes> view = shownAxes();
    return ChartCaption::of(drawn_, view ? view->timeFrom : QDateTime(), view ? view->timeTo : QDateTime());
}

QString MonitoringChart::title() const
{
    return chart_->title();
}

QString MonitoringChart::labelFormat() const
{
    return timeAxis_->format();
}

QList<ChartPoint> MonitoringChart::points(Line line) const
{
    const QLineSeries *shown = series(line);
    QList<ChartPoint> drawn = points_[line].mid(0, shown->count());
    for (int i = 0; i < drawn.size(); ++i) {
        drawn[i].time = wallClockOf(shown->at(i).x());
        drawn[i].value = shown->at(i).y();
    }
    return drawn;
}

std::optional<ChartAxes> MonitoringChart::shownAxes() const
{
    if (!timeAxis_->isVisible())
        return std::nullopt;
    return ChartAxes { wallClockOf(qreal(timeAxis_->min().toMSecsSinceEpoch())),
                       wallClockOf(qreal(timeAxis_->max().toMSecsSinceEpoch())), valueAxis_->min(), valueAxis_->max() };
}

QWidget *MonitoringChart::canvas() const
{
    return view_->viewport();
}

QPoint MonitoringChart::positionOf(Line line, int index) const
{
    const QPointF inChart = chart_->mapToPosition(series(line)->at(index), series(line));
    return view_->mapFromScene(chart_->mapToScene(inChart));
}

QStringList MonitoringChart::timeLabels() const
{
    const qreal plotBottom = chart_->mapToScene(chart_->plotArea().bottomLeft()).y();
    QList<const QGraphicsTextItem *> below;
    for (const QGraphicsItem *item : view_->scene()->items()) {
        const auto *text = dynamic_cast<const QGraphicsTextItem *>(item);
        if (text && text->isVisible() && !text->toPlainText().isEmpty() &&
            text->sceneBoundingRect().top() >= plotBottom)
            below.append(text);
    }
    std::sort(below.begin(), below.end(), [](const QGraphicsTextItem *a, const QGraphicsTextItem *b) {
        return a->sceneBoundingRect().left() < b->sceneBoundingRect().left();
    });
    QStringList texts;
    for (const QGraphicsTextItem *text : below)
        texts.append(text->toPlainText());
    return texts;
}

QString MonitoringChart::toolTipAt(QPoint position) const
{
    QString text;
    qreal nearest = pointHitRadius;
    for (Line line : { Series1, Series2 }) {
        for (int i = 0; i < points_[line].size() && i < series(line)->count(); ++i) {
            const qreal away = distance(positionOf(line, i), position);
            if (away <= nearest) {
                nearest = away;
                text = toolTipText(points_[line][i], line, timeAxis_->format());
            }
        }
    }
    return text;
}

bool MonitoringChart::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != view_->viewport())
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::ToolTip:
        showToolTip(*static_cast<QHelpEvent *>(event));
        return true;
    case QEvent::Wheel:
        zoom(*static_cast<QWheelEvent *>(event));
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease:
        drag(*static_cast<QMouseEvent *>(event));
        return false;
    case QEvent::MouseButtonDblClick:
        resetZoom();
        return false;
    case QEvent::ContextMenu:
        menChart->exec(static_cast<QContextMenuEvent *>(event)->globalPos());
        return true;
    default:
        return QWidget::eventFilter(watched, event);
    }
}

void MonitoringChart::showToolTip(const QHelpEvent &event)
{
    const QString text = toolTipAt(event.pos());
    if (text.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(event.globalPos(), text, view_->viewport());
}

qreal MonitoringChart::axisValueAt(QPoint position) const
{
    return chart_->mapToValue(chart_->mapFromScene(view_->mapToScene(position)), series1_).x();
}

// Narrows (factor below 1) or widens the time axis, keeping the time under the pointer in its
// place; never wider than all points, never narrower than a second.
void MonitoringChart::zoomTime(double factor, QPoint around)
{
    if (!fitted_)
        return;
    const qreal from = qreal(timeAxis_->min().toMSecsSinceEpoch());
    const qreal to = qreal(timeAxis_->max().toMSecsSinceEpoch());
    const Span all = padded(axisValueOf(fitted_->timeFrom), axisValueOf(fitted_->timeTo));
    const qreal widest = all.to - all.from;
    const qreal span = std::clamp((to - from) * factor, shortestTimeSpan, std::max(widest, shortestTimeSpan));
    const qreal pointed = axisValueAt(around);
    // A chart squeezed to nothing has no time under the pointer.
    if (!std::isfinite(pointed) || to <= from)
        return;
    const qreal anchor = std::clamp(pointed, from, to);
    const qreal newFrom = anchor - (anchor - from) * span / (to - from);
    timeAxis_->setRange(axisDateTime(newFrom), axisDateTime(newFrom + span));
}

// A notch of the wheel away from the user zooms in.
void MonitoringChart::zoom(const QWheelEvent &event)
{
    const qreal notches = event.angleDelta().y() / 120.0;
    if (notches != 0)
        zoomTime(std::pow(zoomPerNotch, notches), event.position().toPoint());
}

// Dragging moves the time axis with the pointer; the value axis keeps showing every value.
void MonitoringChart::drag(const QMouseEvent &event)
{
    if (event.type() == QEvent::MouseButtonPress && event.button() == Qt::LeftButton)
        dragFrom_ = event.position().toPoint();
    else if (event.type() == QEvent::MouseButtonRelease && event.button() == Qt::LeftButton)
        dragFrom_.reset();
    else if (event.type() == QEvent::MouseMove && dragFrom_ && (event.buttons() & Qt::LeftButton) && fitted_) {
        const QPoint at = event.position().toPoint();
        chart_->scroll(qreal(dragFrom_->x() - at.x()), 0);
        dragFrom_ = at;
    }
}
