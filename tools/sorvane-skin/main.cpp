// sorvane-skin: checks and draws Sorvane skins for their authors.
#include <iostream>
#include <string>
#include <vector>

#include "run.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  return sorvane::skintool::Run(args, std::cout, std::cerr);
}
