#include "StatusPanels.h"

#include <QLabel>
#include <QProgressBar>

namespace {

constexpr int panelWidths[StatusPanels::panelCount] = { 150, 600, 50 };
constexpr int countsPanel = StatusPanels::panelCount - 1;

} // namespace

StatusPanels::StatusPanels(QWidget *parent) : QStatusBar(parent)
{
    setObjectName(QStringLiteral("sbStatus"));
    setSizeGripEnabled(false);
    for (int i = 0; i < panelCount; ++i) {
        auto *panel = new QLabel(this);
        panel->setObjectName(QStringLiteral("sbStatusPanel%1").arg(i));
        panel->setAlignment(Qt::AlignCenter);
        panel->setTextFormat(Qt::PlainText); // a path is shown as it is, never as markup
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        // A long message is cut at the panel's edge instead of widening the panel.
        const bool last = i == panelCount - 1;
        if (last) {
            panel->setMinimumWidth(panelWidths[i]);
            panel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        } else {
            panel->setFixedWidth(panelWidths[i]);
        }
        addWidget(panel, last ? 1 : 0);
        panels_[i] = panel;
    }
    // The progress bar stands in the place of the counts panel, which tells the same while a long
    // command runs, so the window never grows to make room for it.
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("sbProgress"));
    progress_->setMinimumWidth(panelWidths[countsPanel]);
    progress_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    progress_->setTextVisible(true);
    progress_->hide();
    addWidget(progress_, 1);
}

void StatusPanels::showProgress(int done, int total, const QString &text)
{
    progress_->setRange(0, total);
    progress_->setValue(done);
    progress_->setFormat(text);
    panels_[countsPanel]->hide();
    progress_->show();
}

void StatusPanels::hideProgress()
{
    progress_->hide();
    panels_[countsPanel]->show();
}

void StatusPanels::setText(int panel, const QString &text)
{
    if (panel < 0 || panel >= panelCount)
        return;
    panels_[panel]->setText(text);
    // A path or line count cut at the panel's edge can still be read in full from the tooltip.
    panels_[panel]->setToolTip(text);
}

QString StatusPanels::text(int panel) const
{
    return panel >= 0 && panel < panelCount ? panels_[panel]->text() : QString();
}
