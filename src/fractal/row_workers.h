#pragma once

#include <functional>

namespace tolvar {

// As many workers as the machine has cores.
unsigned DefaultWorkers();

// Calls rowWork(row) once for each row 1..rows, spread over up to `workers`
// threads (the calling thread is one of them). Rows are handed out one at a
// time, so each row is computed whole by one thread and the result does not
// depend on the number of workers. An exception from any row is rethrown
// here once all workers have stopped.
void ForEachRow(int rows, unsigned workers, const std::function<void(int)>& rowWork);

} // namespace tolvar
