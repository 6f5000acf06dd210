#include <iostream>
#include <string>
#include <vector>

#include "app/application.h"
#include "cli/runner.h"

int main(int argc, char** argv) {
  quillon::prepare_process();
  return quillon::cli::run(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
