#include "studies/sweep/case_outcome.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <new>
#include <system_error>
#include <thread>

#include "driver/memory_run.h"

namespace tqweir {
namespace sweep {
namespace {

CaseOutcome stopped(Message message) {
  CaseOutcome outcome;
  outcome.status = message_key(message);
  outcome.message = message_cp932(message);
  return outcome;
}

CaseOutcome solved_outcome(const CaseInput& input) {
  const MemoryRun run = run_in_memory(input);
  CaseOutcome outcome = stopped(run.message);
  outcome.ok = run.exit_status == 0;
  if (outcome.ok) outcome.summary = run.summary.text;
  return outcome;
}

// Runs `solve` and turns anything it throws into the case's outcome, so
// that one case never ends the others. A failed allocation leaves an empty
// log, as the program's run does; a stop is already the run's outcome.
template <typename Solve>
CaseOutcome guarded(const Solve& solve) {
  try {
    return solve();
  } catch (const std::bad_alloc&) {
    CaseOutcome outcome;
    outcome.status = "out_of_memory";
    return outcome;
  } catch (const std::exception&) {
    CaseOutcome outcome;
    outcome.status = "internal_error";
    return outcome;
  }
}

}  // namespace

CaseOutcome solve_one(const CaseInput& input) {
  return guarded([&] { return solved_outcome(input); });
}

std::vector<CaseOutcome> solve_all(const CaseInput& base, const cases::CaseTable& table, int threads,
                                   const ProgressReport& report) {
  const std::size_t count = table.rows.size();
  std::vector<CaseOutcome> outcomes(count);
  std::atomic<std::size_t> next{0};
  std::atomic<std::size_t> done{0};
  std::mutex mutex;
  std::condition_variable all_done;
  int running = 0;

  // Each row's outcome has its own slot, written by one worker only.
  const auto work = [&] {
    for (std::size_t row = next++; row < count; row = next++) {
      outcomes[row] = guarded([&] { return solved_outcome(case_input(base, table, row)); });
      ++done;
    }
  };
  const auto worker = [&] {
    work();
    std::lock_guard<std::mutex> lock(mutex);
    --running;
    all_done.notify_all();
  };

  const std::size_t wanted = std::min(count, static_cast<std::size_t>(std::max(threads, 1)));
  std::vector<std::thread> pool;
  pool.reserve(wanted);  // so that only the thread's start can fail below
  for (std::size_t i = 0; i < wanted; ++i) {
    {
      std::lock_guard<std::mutex> lock(mutex);
      ++running;
    }
    try {
      pool.emplace_back(worker);
    } catch (const std::system_error&) {
      std::lock_guard<std::mutex> lock(mutex);
      --running;
      break;
    }
  }
  if (pool.empty()) work();

  {
    std::unique_lock<std::mutex> lock(mutex);
    while (running > 0) {
      if (report) report(done.load());
      all_done.wait_for(lock, std::chrono::milliseconds(100), [&] { return running == 0; });
    }
  }
  for (std::thread& thread : pool) thread.join();
  if (report) report(count);
  return outcomes;
}

}  // namespace sweep
}  // namespace tqweir
