// Tasks 0 .. count-1 on a few threads, each task's result its own: what
// the tasks compute does not depend on the number of threads or on which
// thread runs which task.
#ifndef TQWEIR_RISK_PARALLEL_TASKS_H_
#define TQWEIR_RISK_PARALLEL_TASKS_H_

#include <cstddef>
#include <functional>

namespace tqweir {
namespace risk {

// Runs task(i) for every i below `count` on min(threads, count) threads
// (at least one), taking the tasks in order of i. The first exception a
// task throws stops the handing out of tasks and is thrown again here once
// every thread has ended.
void run_tasks(std::size_t count, int threads, const std::function<void(std::size_t)>& task);

}  // namespace risk
}  // namespace tqweir

#endif  // TQWEIR_RISK_PARALLEL_TASKS_H_
