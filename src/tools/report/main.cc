#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <iostream>

#include "tools/report/report_command.h"

// The report's date: today, or the day of SOURCE_DATE_EPOCH (seconds since
// 1970, UTC) when it is set to a whole number, the usual way of asking a
// tool for output that does not depend on when it runs.
int main(int argc, char** argv) {
  std::time_t when = std::time(nullptr);
  const std::tm* day = std::localtime(&when);
  if (const char* epoch = std::getenv("SOURCE_DATE_EPOCH"); epoch != nullptr && *epoch != '\0') {
    char* end = nullptr;
    errno = 0;
    const long long seconds = std::strtoll(epoch, &end, 10);
    if (*end == '\0' && errno == 0 && seconds >= 0 && seconds < 253402300800LL) {
      when = static_cast<std::time_t>(seconds);
      day = std::gmtime(&when);
    }
  }
  char today[16] = "";
  if (day != nullptr) std::strftime(today, sizeof today, "%Y-%m-%d", day);
  return tqweir::report::run_report_command_line(argc, argv, std::cout, std::cerr, today);
}
