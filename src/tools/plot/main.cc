#include <iostream>

#include "tools/plot/plot_command.h"

int main(int argc, char** argv) {
  return tqweir::plot::run_plot_command(argc, argv, std::cout, std::cerr);
}
