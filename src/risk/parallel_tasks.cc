#include "risk/parallel_tasks.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace tqweir {
namespace risk {

void run_tasks(std::size_t count, int threads, const std::function<void(std::size_t)>& task) {
  std::atomic<std::size_t> next(0);
  std::atomic<bool> failed(false);
  std::exception_ptr error;
  std::mutex error_mutex;
  const auto work = [&] {
    for (;;) {
      const std::size_t i = next++;
      if (i >= count || failed) return;
      try {
        task(i);
      } catch (...) {
        const std::lock_guard<std::mutex> lock(error_mutex);
        if (!error) error = std::current_exception();
        failed = true;
      }
    }
  };
  const std::size_t n = std::max<std::size_t>(1, std::min<std::size_t>(threads > 0 ? threads : 1, count));
  std::vector<std::thread> pool;
  for (std::size_t k = 1; k < n; ++k) pool.emplace_back(work);
  work();
  for (std::thread& t : pool) t.join();
  if (error) std::rethrow_exception(error);
}

}  // namespace risk
}  // namespace tqweir
