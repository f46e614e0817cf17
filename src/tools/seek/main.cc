#include <iostream>

#include "tools/seek/seek_command.h"

int main(int argc, char** argv) {
  return tqweir::seek::run_seek_command_line(argc, argv, std::cout, std::cerr);
}
