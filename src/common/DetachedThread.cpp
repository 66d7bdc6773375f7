#include "DetachedThread.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace DetachedThread {

namespace {

struct Running
{
    std::mutex mutex;
    std::condition_variable ended;
    int count = 0;
};

Running &running()
{
    static Running threads;
    return threads;
}

} // namespace

void start(std::function<void()> work)
{
    Running &threads = running();
    {
        std::lock_guard lock(threads.mutex);
        ++threads.count;
    }
    std::thread([work = std::move(work), &threads]() mutable {
        work();
        work = nullptr; // what the work holds goes before the thread counts as ended
        std::lock_guard lock(threads.mutex);
        --threads.count;
        threads.ended.notify_all();
    }).detach();
}

bool waitForAll(int milliseconds)
{
    Running &threads = running();
    std::unique_lock lock(threads.mutex);
    return threads.ended.wait_for(lock, std::chrono::milliseconds(milliseconds), [&] { return threads.count == 0; });
}

} // namespace DetachedThread
