#include "ParseProgress.h"

#include "common/TextRules.h"
#include "common/Ui.h"
#include "grid/GridTable.h"

ParseProgress::ParseProgress(Ui &ui, GridTable &sections, const QStringList &lines, int pumpIntervalMs) :
    ui_(ui), sections_(sections), lines_(lines), pumpIntervalMs_(pumpIntervalMs)
{
    clock_.start();
}

void ParseProgress::showLatest()
{
    if (latest_ == shown_)
        return;
    shown_ = latest_;
    ui_.setStatus(StatusPanel::Progress,
                  QStringLiteral("Metrics ") % QString::number(latest_) % QStringLiteral(" of ") %
                      QString::number(lines_.size()));
    ui_.setStatus(StatusPanel::Messages,
                  QStringLiteral("Parsing:  ") % TextRules::leftPiece(lines_[latest_], 20) % QStringLiteral("..."));
}

void ParseProgress::pump()
{
    showLatest();
    sections_.publish();
    ui_.pumpEvents();
    clock_.restart();
}
