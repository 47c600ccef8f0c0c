#pragma once

#include "core/error.h"

#include <atomic>
#include <functional>

namespace tolvar {

// As many workers as the machine has cores.
unsigned DefaultWorkers();

// Set once the rows are to stop early: the user cancelled or a row failed.
using StopFlag = std::atomic<bool>;

// Calls rowWork(row, stop) once for each row 1..rows on up to `workers`
// threads. Rows are handed out one at a time, so each row is computed whole
// by one thread and the result does not depend on the number of workers.
//
// The calling thread owns the windows, so it computes nothing: it asks
// keepGoing(rowReached), the last row a worker has started, at once and then
// every few hundredths of a second until the rows are done. Once keepGoing answers false, the workers stop
// (a long row looks at `stop` now and then and may return unfinished) and
// Cancelled is thrown. An exception from any row is rethrown here once
// all workers have stopped.
void ForEachRow(int rows, unsigned workers, const std::function<void(int, const StopFlag&)>& rowWork,
                const std::function<bool(int)>& keepGoing);

} // namespace tolvar
