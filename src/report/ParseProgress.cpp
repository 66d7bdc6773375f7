#include "ParseProgress.h"

#include "ParseObserver.h"

void ParseProgress::tellLatest()
{
    if (!observer_ || latest_ == told_)
        return;
    told_ = latest_;
    observer_->lineReached(latest_, lineCount_, latestLine_);
}
