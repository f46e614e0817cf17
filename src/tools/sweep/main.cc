#include <unistd.h>

#include <iostream>

#include "tools/sweep/sweep_command_line.h"

int main(int argc, char** argv) {
  const bool err_is_terminal = isatty(STDERR_FILENO) != 0;
  return tqweir::sweep::run_sweep_command_line(argc, argv, std::cout, std::cerr,
                                               err_is_terminal);
}
