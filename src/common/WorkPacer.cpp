#include "WorkPacer.h"

#include "Ui.h"

#include <algorithm>

WorkPacer::WorkPacer(Ui &ui, int intervalMs) : ui_(ui), intervalMs_(intervalMs)
{
    clock_.start();
}

void WorkPacer::handBack()
{
    for (const std::function<void()> *hook : hooks_)
        (*hook)();
    ui_.pumpEvents();
    clock_.restart();
}

WorkPacer::Hook::Hook(WorkPacer &pacer, std::function<void()> beforeHandBack) :
    pacer_(pacer), beforeHandBack_(std::move(beforeHandBack))
{
    pacer_.hooks_.push_back(&beforeHandBack_);
}

WorkPacer::Hook::~Hook()
{
    auto &hooks = pacer_.hooks_;
    hooks.erase(std::remove(hooks.begin(), hooks.end(), &beforeHandBack_), hooks.end());
}
