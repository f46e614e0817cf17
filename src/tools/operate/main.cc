#include <iostream>

#include "tools/operate/operate_command.h"

int main(int argc, char** argv) {
  return tqweir::operate::run_operate_command_line(argc, argv, std::cout, std::cerr);
}
