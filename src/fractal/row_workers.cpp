#include "fractal/row_workers.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace tolvar {
namespace {

// Often enough for a progress display and a prompt Cancel.
constexpr std::chrono::milliseconds PollInterval{40};

// Windows may start a thread with the x87 unit rounding to 53 bits, where
// MinGW's start-up code gives the main thread all 64; the rows need 64.
void useFullX87Precision()
{
#if defined(_WIN32) && defined(__x86_64__)
    std::uint16_t control = 0;
    asm volatile("fnstcw %0" : "=m"(control));
    control = static_cast<std::uint16_t>(control | 0x0300u);
    asm volatile("fldcw %0" : : "m"(control));
#endif
}

} // namespace

unsigned DefaultWorkers() { return std::max(1u, std::thread::hardware_concurrency()); }

void ForEachRow(int rows, unsigned workers, const std::function<void(int, const StopFlag&)>& rowWork,
                const std::function<bool(int)>& keepGoing)
{
    std::atomic<int> nextRow{1};
    StopFlag stop{false};
    std::exception_ptr failure;
    std::mutex lock;
    std::condition_variable allStopped;
    unsigned running = std::min<unsigned>(std::max(workers, 1u), static_cast<unsigned>(std::max(rows, 0)));

    const auto work = [&] {
        useFullX87Precision();
        try {
            for (int row = nextRow++; row <= rows && !stop; row = nextRow++)
                rowWork(row, stop);
        } catch (...) {
            const std::lock_guard guard(lock);
            if (!failure)
                failure = std::current_exception();
            stop = true;
        }
        const std::lock_guard guard(lock);
        if (--running == 0)
            allStopped.notify_one();
    };

    std::vector<std::jthread> threads;
    threads.reserve(running);
    for (unsigned i = running; i > 0; --i)
        threads.emplace_back(work);

    bool cancelled = false;
    std::unique_lock guard(lock);
    while (running > 0) {
        guard.unlock();
        try {
            if (!cancelled && !keepGoing(std::min(nextRow - 1, rows)))
                cancelled = stop = true;
        } catch (...) {
            stop = true;
            throw;
        }
        guard.lock();
        allStopped.wait_for(guard, PollInterval, [&] { return running == 0; });
    }
    guard.unlock();
    threads.clear();
    if (failure)
        std::rethrow_exception(failure);
    if (cancelled)
        throw Cancelled{};
}

} // namespace tolvar
