#include "ParseProgress.h"

#include "common/TextRules.h"
#include "common/Ui.h"
#include "grid/GridTable.h"

ParseProgress::ParseProgress(WorkPacer &pacer, Ui &ui, GridTable &sections, qsizetype lineCount) :
    pacer_(pacer), ui_(ui), sections_(sections), lineCount_(lineCount), beforeHandBack_(pacer, [this] {
        showLatest();
        sections_.publish();
    })
{ }

void ParseProgress::showLatest()
{
    if (latest_ == shown_)
        return;
    shown_ = latest_;
    ui_.setStatus(StatusPanel::Progress,
                  QStringLiteral("Metrics ") % QString::number(latest_) % QStringLiteral(" of ") %
                      QString::number(lineCount_));
    ui_.setStatus(StatusPanel::Messages,
                  QStringLiteral("Parsing:  ") % TextRules::leftPiece(latestLine_, 20) % QStringLiteral("..."));
}
