// The front end of lumeno-cli: encodings, help, the start-up checks, the
// command and its exit status.
#include <cerrno>
#include <cstring>
#include <sstream>

#include "cli/cli.h"
#include "core/error.h"
#include "core/gbk.h"
#include "data/database_check.h"
#include "data/info.h"

#ifndef LUMENO_VERSION
#define LUMENO_VERSION "0.0.0"
#endif

namespace lumeno::cli {
namespace {

// What the information box would show goes to standard error.
class StderrInfoSink : public data::InfoSink {
 public:
  explicit StderrInfoSink(Context& ctx) : ctx_(ctx) {}
  void ShowInfo(const std::string& gbkText) override {
    ctx_.ErrorLine(gbkText);
    ++count;
  }
  int count = 0;

 private:
  Context& ctx_;
};

// The help text, GBK (the commands' usage lines hold Chinese words).
std::string HelpText() {
  std::ostringstream out;
  out << "Usage: lumeno-cli [--encoding utf8|gbk] COMMAND [ARGUMENTS]\n"
         "\n"
         "Runs the reports and conversions of Lumeno without a display.\n"
         "Arguments and output are UTF-8 unless --encoding gbk is given, which\n"
         "reads arguments as GBK and writes the program's GBK bytes unchanged.\n"
         "\n"
         "Options:\n"
         "  --help              show this help and exit\n"
         "  --version           show the version and exit\n"
         "  --encoding ENC      utf8 (default) or gbk\n"
         "\n"
         "Commands:\n";
  for (const auto& [name, info] : Commands()) out << "  " << name << " " << info.usage << "\n      " << info.summary << "\n";
  out << "\nMessages go to standard error. A command's message gives status 1,\n"
         "and so do a missing or damaged database file and output that cannot\n"
         "be written; bad arguments give status 2.\n";
  return out.str();
}

std::string CommandUsage(const CommandInfo& info) {
  return std::string("Usage: lumeno-cli ") + info.name + " " + info.usage + "\n";
}

// Writes `text` (already in the output encoding) and reports whether the
// stream took it.
bool WriteAll(std::ostream& out, const std::string& text) {
  out << text;
  out.flush();
  return static_cast<bool>(out);
}

int OutputFailed(std::ostream& err) {
  const int e = errno;
  err << "lumeno-cli: could not write to standard output" << (e ? std::string(": ") + std::strerror(e) : "") << "\n";
  return 1;
}

}  // namespace

int RunCli(const std::vector<std::string>& raw, std::ostream& out, std::ostream& err) {
  if (!GbkConverterWorks()) {
    err << "lumeno-cli: " << kNoGbkConverterMessage << "\n";
    return 1;
  }
  bool gbk = false;
  std::vector<std::string> rest;
  for (std::size_t i = 0; i < raw.size(); ++i) {
    const std::string& a = raw[i];
    if (a == "--encoding" || a.rfind("--encoding=", 0) == 0) {
      std::string value;
      if (a == "--encoding") {
        if (i + 1 >= raw.size()) {
          err << "lumeno-cli: --encoding needs a value (utf8 or gbk)\n";
          return 2;
        }
        value = raw[++i];
      } else {
        value = a.substr(11);
      }
      if (value == "gbk" || value == "GBK") {
        gbk = true;
      } else if (value == "utf8" || value == "utf-8" || value == "UTF-8") {
        gbk = false;
      } else {
        err << "lumeno-cli: unknown encoding '" << value << "' (use utf8 or gbk)\n";
        return 2;
      }
    } else {
      rest.push_back(a);
    }
  }
  auto forOutput = [gbk](const std::string& text) { return gbk ? text : GbkToUtf8(text); };
  if (rest.empty()) {
    err << forOutput(HelpText());
    return 2;
  }
  if (rest[0] == "--help" || rest[0] == "-h" || rest[0] == "help") {
    errno = 0;
    return WriteAll(out, forOutput(HelpText())) ? 0 : OutputFailed(err);
  }
  if (rest[0] == "--version") {
    errno = 0;
    return WriteAll(out, std::string("lumeno-cli ") + LUMENO_VERSION + "\n") ? 0 : OutputFailed(err);
  }
  auto it = Commands().find(rest[0]);
  if (it == Commands().end()) {
    // The name as typed, in the output encoding it came in.
    err << "lumeno-cli: unknown command '" << rest[0] << "'; see lumeno-cli --help\n";
    return 2;
  }
  const CommandInfo& info = it->second;
  std::vector<std::string> args;
  for (std::size_t i = 1; i < rest.size(); ++i) args.push_back(gbk ? rest[i] : Utf8ToGbk(rest[i]));
  if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
    errno = 0;
    return WriteAll(out, forOutput(CommandUsage(info) + "  " + info.summary + "\n")) ? 0 : OutputFailed(err);
  }
  Context ctx(std::move(args), gbk, out, err);
  StderrInfoSink sink(ctx);
  data::ScopedInfoSink scoped(&sink);
  const std::string prefix = std::string("lumeno-cli ") + info.name + ": ";
  int status = 0;
  try {
    if (info.needs) {
      std::vector<data::DatabaseProblem> problems;
      int bit = 0;
      for (data::DatabaseFile file : data::kAllDatabaseFiles) {
        if (info.needs & (1u << bit++)) {
          std::vector<data::DatabaseProblem> p = data::CheckDatabaseFile(file);
          problems.insert(problems.end(), p.begin(), p.end());
        }
      }
      if (!problems.empty()) {
        ctx.ErrorLine(data::DatabaseProblemMessage(problems));
        return 1;
      }
    }
    status = info.run(ctx);
    if (status == 0 && sink.count > 0) status = 1;
  } catch (const UsageError& e) {
    ctx.ErrorLine(prefix + e.what());
    err << forOutput(CommandUsage(info));
    return 2;
  } catch (const CommandCancelled& e) {
    ctx.ErrorLine(prefix + "stopped: a look-up of the reference data failed (" + e.what() + ")");
    status = 1;
  } catch (const std::exception& e) {
    ctx.ErrorLine(prefix + e.what());
    status = 1;
  }
  errno = 0;
  out.flush();
  if (!out) return OutputFailed(err);
  return status;
}

}  // namespace lumeno::cli
