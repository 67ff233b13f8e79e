#pragma once
// The command-line front end's plumbing: subcommands register themselves
// with LUMENO_CLI_COMMAND in their own source file under src/cli/.
//
// Arguments arrive in the chosen encoding (UTF-8 by default, GBK with
// --encoding gbk) and are handed to the commands as GBK, the logic's text.
// Output lines are GBK and are converted back on the way out.
#include <map>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace lumeno::cli {

// Bad arguments: the message (plain ASCII or GBK) goes to standard error with
// the usage line, and the status is 2.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class Context {
 public:
  Context(std::vector<std::string> gbkArgs, bool gbkOutput, std::ostream& out, std::ostream& err);

  // Positional arguments and options after the subcommand name, in GBK.
  const std::vector<std::string>& Args() const { return args_; }

  // Writes one GBK line to standard output.
  void Line(const std::string& gbkLine);
  // Writes one GBK line to standard error.
  void ErrorLine(const std::string& gbkLine);
  // Converts GBK for the output encoding.
  std::string ForOutput(const std::string& gbk) const;

  std::ostream& out() { return out_; }
  std::ostream& err() { return err_; }

 private:
  std::vector<std::string> args_;
  bool gbkOutput_;
  std::ostream& out_;
  std::ostream& err_;
};

// Splits "--name value" options, "--flag" switches and positional arguments.
// Options named in `flags` take no value; any other "--name" takes the next
// argument. An option outside `flags` and `valued` is a UsageError.
struct ParsedArgs {
  std::vector<std::string> positional;
  std::map<std::string, std::string> options;
  bool Has(const std::string& name) const { return options.count(name) > 0; }
  std::optional<std::string> Get(const std::string& name) const;
  std::string GetOr(const std::string& name, const std::string& fallback) const;
  // The option as a decimal integer; UsageError when it is not one.
  std::optional<int> GetInt(const std::string& name) const;
};
ParsedArgs ParseArgs(const std::vector<std::string>& args, const std::vector<std::string>& valued,
                     const std::vector<std::string>& flags = {});

// The birth inputs of the report commands, as the main window holds them.
// --hour takes an hour item such as "子 0" or a bare hour 0-23 (turned into
// its item); --today fixes the clock's year for the age.
//
// The arguments are checked as the window's inputs are: names of one or two
// double-byte GBK characters, hour 0-23 or one of the 24 hour items, minute
// 0-59; a date whose three parts are given must exist (a lunar month 1-12,
// a lunar day 1-30, and the lunar date in the table). A year of one or two
// digits is 2000 + that number, as in every date text of the program.
// Failures are UsageErrors. Empty names and date parts are left for the
// reports' own messages.
struct BirthOptions {
  std::string surname, given, sex, year, month, day, hourItem, minute;
  int calendarIndex = 0;  // 0 公历, 1 农历
  int currentYear = 0;
};
// The option names ReadBirthOptions reads.
extern const std::vector<std::string> kBirthOptionNames;
// Options left out are empty inputs (which meet the reports' own messages),
// except those the window starts with: sex 男, 公历, hour 子 0, minute 0.
BirthOptions ReadBirthOptions(const ParsedArgs& args);
// The hour item of the main window for an hour 0-23: "子 0", "丑 1" ... "子 23".
std::string HourItemOf(int hour);

// A year as the command line takes it: digits only, one or two of them
// meaning 2000 + the number. Nothing for anything else.
std::optional<int> ParseYear(const std::string& text);
// A name option: empty, or one or two double-byte GBK characters; else a
// UsageError naming `option`.
void CheckName(const std::string& option, const std::string& gbkName);

// The databases a command reads, as a mask of these bits (by DatabaseFile).
inline constexpr unsigned kNeedsRoruroz = 1u << 0;
inline constexpr unsigned kNeedsVelFile = 1u << 1;
inline constexpr unsigned kNeedsVelBirth = 1u << 2;
inline constexpr unsigned kNeedsDream = 1u << 3;
inline constexpr unsigned kNeedsTgcode = 1u << 4;

using CommandFn = int (*)(Context&);

struct CommandInfo {
  const char* name;
  const char* usage;    // "lumeno-cli NAME ..." argument summary
  const char* summary;  // one line for --help
  CommandFn run;
  unsigned needs = 0;   // kNeeds... bits: files checked before the command runs
};

class CommandRegistration {
 public:
  explicit CommandRegistration(CommandInfo info);
};

const std::map<std::string, CommandInfo>& Commands();

// The whole front end: `args` are the arguments after the program name, as
// the shell passed them. Returns the exit status: 0 done, 1 the command's
// message (on `err`) or a failed write of `out`, 2 bad arguments.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace lumeno::cli

#define LUMENO_CLI_CONCAT2(a, b) a##b
#define LUMENO_CLI_CONCAT(a, b) LUMENO_CLI_CONCAT2(a, b)
// Registers a subcommand: LUMENO_CLI_COMMAND("name", "ARGS", "summary", fn);
// an optional fifth argument names the databases it reads
// (kNeedsRoruroz | kNeedsVelFile ...): a command whose file is missing or
// damaged fails with the start-up check's message before it runs.
#define LUMENO_CLI_COMMAND(name, usage, summary, fn, ...)                 \
  static ::lumeno::cli::CommandRegistration LUMENO_CLI_CONCAT(kCliCommand_, \
                                                              __LINE__)({name, usage, summary, fn, __VA_ARGS__})
