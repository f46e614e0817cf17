#include <iostream>

#include "driver/console_stream.h"
#include "driver/command_line.h"

int main(int argc, char** argv) {
  const tqweir::ConsoleStream console(std::cerr);
  return tqweir::run_command_line(argc, argv, std::cout, std::cerr);
}
