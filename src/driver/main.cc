#include <iostream>

#include "driver/command_line.h"

int main(int argc, char** argv) {
  return tqweir::run_command_line(argc, argv, std::cout, std::cerr);
}
