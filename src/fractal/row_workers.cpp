#include "fractal/row_workers.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace tolvar {

unsigned DefaultWorkers() { return std::max(1u, std::thread::hardware_concurrency()); }

void ForEachRow(int rows, unsigned workers, const std::function<void(int)>& rowWork)
{
    std::atomic<int> nextRow{1};
    std::atomic<bool> failed{false};
    std::exception_ptr failure;
    std::mutex failureLock;

    const auto work = [&] {
        try {
            for (int row = nextRow++; row <= rows && !failed; row = nextRow++)
                rowWork(row);
        } catch (...) {
            const std::lock_guard lock(failureLock);
            if (!failure)
                failure = std::current_exception();
            failed = true;
        }
    };

    const unsigned helpers = std::min<unsigned>(std::max(workers, 1u), static_cast<unsigned>(std::max(rows, 1))) - 1;
    std::vector<std::jthread> threads;
    threads.reserve(helpers);
    for (unsigned i = 0; i < helpers; ++i)
        threads.emplace_back(work);
    work();
    threads.clear();
    if (failure)
        std::rethrow_exception(failure);
}

} // namespace tolvar
