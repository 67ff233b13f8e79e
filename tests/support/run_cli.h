#pragma once
// Runs the built lumeno-cli as a user does and collects what it says.
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "support/fixture_db.h"
#include "support/paths.h"

namespace lumeno::testing {

struct CliRun {
  int status = -1;
  std::string out, err;
};

// The lines of a text, without their line breaks.
inline std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

inline std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

// Runs `program` (default: the built lumeno-cli) with `args`, a shell-quoted
// text (UTF-8); `env` goes before the command (VAR=value ...). Standard
// output goes to `stdoutTo` when it is given (and is then not collected).
inline CliRun RunCliProgram(const std::string& args, const std::string& program = BinDir() + "/lumeno-cli",
                            const std::string& env = "", const std::string& stdoutTo = "") {
  TempDir dir("lumeno-cli");
  const std::string out = stdoutTo.empty() ? dir.path() + "/out" : stdoutTo, err = dir.path() + "/err";
  const std::string cmd = env + " '" + program + "' " + args + " > '" + out + "' 2> '" + err + "'";
  CliRun r;
  int raw = std::system(cmd.c_str());
  r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  if (stdoutTo.empty()) r.out = Slurp(out);
  r.err = Slurp(err);
  return r;
}

}  // namespace lumeno::testing
