#include "ChartPanel.h"

#include "BusyGuard.h"
#include "Controls.h"
#include "LongTextDelegate.h"
#include "MonitoringChart.h"

#include <QAbstractItemView>
#include <QAction>
#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// The chart has no legend: each value-axis label is written in its line's colour instead.
void lineLabel(const QString &name, const QString &text, MonitoringChart::Line line, QWidget *bar)
{
    QLabel *label = Controls::label(name, text, bar);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, MonitoringChart::colour(line));
    label->setPalette(palette);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
}

// A tooltip as long as a damaged report's megabyte subheading would take seconds to lay out.
QString toolTipOf(const QString &counterName)
{
    return counterName.left(LongTextDelegate::maxShownCharacters);
}

// The box is narrower than a counter name, whose last part tells the rows apart (the engines 0 to
// 3 of one section): the box tells its whole text as a tooltip.
void tellWholeText(QComboBox *box)
{
    QObject::connect(box, &QComboBox::editTextChanged, box,
                     [box](const QString &text) { box->setToolTip(toolTipOf(text)); });
}

// The popup list is as wide as its longest item, up to the screen's width, and cuts what is still
// too wide in the middle, so that the end of every name shows; each item tells its whole name as
// a tooltip.
void fitPopupToItems(QComboBox *box)
{
    QAbstractItemView *popup = box->view();
    popup->setTextElideMode(Qt::ElideMiddle);
    for (int i = 0; i < box->count(); ++i)
        box->setItemData(i, toolTipOf(box->itemText(i)), Qt::ToolTipRole);
    const int frame = 2 * popup->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, popup);
    const int scrollBar = popup->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, popup);
    int width = popup->sizeHintForColumn(0) + frame + scrollBar;
    if (const QScreen *screen = box->screen())
        width = std::min(width, screen->availableGeometry().width());
    popup->setMinimumWidth(width);
}

} // namespace

ChartPanel::ChartPanel(QWidget *parent) : QWidget(parent)
{
    setObjectName(u"paBottom"_s);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    chrtMonitoring = new MonitoringChart(this);
    chrtMonitoring->setMinimumHeight(0);
    layout->addWidget(chrtMonitoring, 1);
    layout->addWidget(buildGraphControls());
    connect(btSetGraph, &QPushButton::clicked, this, &ChartPanel::displayRequested);
}

void ChartPanel::refuseWhileBusy(BusyGuard &busy)
{
    busy.refuse(btSetGraph);
    busy.refuse(chrtMonitoring->findChild<QAction *>(u"miSaveChart"_s));
}

QWidget *ChartPanel::buildGraphControls()
{
    QWidget *bar = Controls::bar(u"paGraphControls"_s, this);
    btSetGraph = Controls::button(u"btSetGraph"_s, u"&Display"_s, bar);
    lineLabel(u"lbValueAxis"_s, u"Y Ax.1"_s, MonitoringChart::Series1, bar);
    cbValueAxis = Controls::comboBox(u"cbValueAxis"_s, u"cbValueAxis"_s, bar);
    lineLabel(u"lbValueAxis2"_s, u"Y Ax.2"_s, MonitoringChart::Series2, bar);
    cbValueAxis2 = Controls::comboBox(u"cbValueAxis2"_s, u"cbValueAxis"_s, bar);
    tellWholeText(cbValueAxis);
    tellWholeText(cbValueAxis2);
    Controls::label(u"lbRatio"_s, u"Ratio:"_s, bar);
    edRatio = Controls::lineEdit(u"edRatio"_s, u"1"_s, bar);
    edRatio->setFixedWidth(110);
    cbSetRatio = Controls::checkBox(u"cbSetRatio"_s, u"Set Ratio"_s, true, bar);
    QBoxLayout *layout = Controls::barLayout(bar);
    layout->setStretchFactor(cbValueAxis, 1);
    layout->setStretchFactor(cbValueAxis2, 1);
    return bar;
}

void ChartPanel::setValueAxisItems(const QStringList &counterNames)
{
    for (QComboBox *box : { cbValueAxis, cbValueAxis2 }) {
        box->clear();
        box->setEditText(QString());
        box->addItems(counterNames);
        fitPopupToItems(box);
        box->setCurrentIndex(-1);
        box->setEditText(QString());
    }
    if (!counterNames.isEmpty())
        cbValueAxis->setCurrentIndex(0);
}

void ChartPanel::setValueAxisText(const QString &counterName)
{
    cbValueAxis->setEditText(counterName);
    cbValueAxis->lineEdit()->setCursorPosition(0);
}

void ChartPanel::setValueAxis2Text(const QString &counterName)
{
    cbValueAxis2->setEditText(counterName);
    // A counter name is longer than the box: its beginning (the section) tells the rows apart.
    cbValueAxis2->lineEdit()->setCursorPosition(0);
}

QString ChartPanel::valueAxisText() const
{
    return cbValueAxis->currentText();
}

QString ChartPanel::valueAxis2Text() const
{
    return cbValueAxis2->currentText();
}

QString ChartPanel::ratioText() const
{
    return edRatio->text();
}

void ChartPanel::setRatioText(const QString &text)
{
    edRatio->setText(text);
    // A ratio of fifteen digits shows its leading ones.
    edRatio->setCursorPosition(0);
}

bool ChartPanel::setRatio() const
{
    return cbSetRatio->isChecked();
}
