#include <ctime>
#include <iostream>

#include "tools/report/report_command.h"

int main(int argc, char** argv) {
  char today[16] = "";
  const std::time_t now = std::time(nullptr);
  std::strftime(today, sizeof today, "%Y-%m-%d", std::localtime(&now));
  return tqweir::report::run_report_command_line(argc, argv, std::cout, std::cerr, today);
}
