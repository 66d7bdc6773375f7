#pragma once

#include <functional>

// Work on a thread that nobody waits for: the window starts a parse or a digest there and walks
// away when the user presses Esc, even while the work is blocked in a read of a hung file share.
// The program waits for the threads a little before it ends, so that none outlives what it uses.
namespace DetachedThread {

// Runs `work` on a new thread of its own.
void start(std::function<void()> work);

// Waits up to `milliseconds` for every thread started here to end; false when one still runs.
bool waitForAll(int milliseconds);

} // namespace DetachedThread
