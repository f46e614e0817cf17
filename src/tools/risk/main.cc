#include <iostream>

#include "tools/risk/risk_command.h"

int main(int argc, char** argv) {
  return tqweir::risk_study::run_risk_command_line(argc, argv, std::cout, std::cerr);
}
