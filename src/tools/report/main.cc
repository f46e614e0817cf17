#include <iostream>

#include "tools/report/report_command.h"
#include "studies/report/report_date.h"

int main(int argc, char** argv) {
  return tqweir::report::run_report_command_line(argc, argv, std::cout, std::cerr,
                                                 tqweir::report::report_today());
}
