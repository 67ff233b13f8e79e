// lumeno-cli: the reports and conversions of Lumeno without a display.
#include <iostream>
#include <string>
#include <vector>

#include "cli/cli.h"

int main(int argc, char** argv) {
  // Writes to a closed or full standard output must show as a failed
  // stream, not end the process.
  std::ios::sync_with_stdio(true);
  return lumeno::cli::RunCli(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
