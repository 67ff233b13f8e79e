// lumeno-cli's argument handling: the input is split at NUL bytes into
// arguments and run through the front end (with the calendar commands, which
// read no database), and through the option parser and the checks of the
// birth options that the report commands share. Every outcome is a status of
// 0, 1 or 2; nothing else may happen. --from/--to are dropped: a range of
// ten thousand years is a legitimate, merely slow, request.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> args(1);
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] == 0) args.emplace_back();
    else args.back() += static_cast<char>(data[i]);
  }
  std::vector<std::string> kept;
  for (const std::string& a : args)
    if (a.rfind("--from", 0) != 0 && a.rfind("--to", 0) != 0) kept.push_back(a);
  std::ostringstream out, err;
  const int status = lumeno::cli::RunCli(kept, out, err);
  if (status < 0 || status > 2) __builtin_trap();

  try {
    const lumeno::cli::ParsedArgs parsed = lumeno::cli::ParseArgs(kept, lumeno::cli::kBirthOptionNames);
    const lumeno::cli::BirthOptions b = lumeno::cli::ReadBirthOptions(parsed);
    if (b.calendarIndex != 0 && b.calendarIndex != 1) __builtin_trap();
  } catch (const lumeno::cli::UsageError&) {
  }
  return 0;
}
