#include "studies/report/report_date.h"

#include <cerrno>
#include <cstdlib>
#include <ctime>

namespace tqweir {
namespace report {

std::string report_today() {
  std::time_t when = std::time(nullptr);
  const std::tm* day = std::localtime(&when);
  if (const char* epoch = std::getenv("SOURCE_DATE_EPOCH"); epoch != nullptr && *epoch != '\0') {
    char* end = nullptr;
    errno = 0;
    const long long seconds = std::strtoll(epoch, &end, 10);
    // Below year 10000, so that the date keeps its four digits.
    if (*end == '\0' && errno == 0 && seconds >= 0 && seconds < 253402300800LL) {
      when = static_cast<std::time_t>(seconds);
      day = std::gmtime(&when);
    }
  }
  char today[16] = "";
  if (day != nullptr) std::strftime(today, sizeof today, "%Y-%m-%d", day);
  return today;
}

}  // namespace report
}  // namespace tqweir
