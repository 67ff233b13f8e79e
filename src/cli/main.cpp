// lumeno-cli: the reports and conversions of Lumeno without a display.
#include <iostream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "core/error.h"
#include "core/gbk.h"
#include "data/info.h"

#ifndef LUMENO_VERSION
#define LUMENO_VERSION "0.0.0"
#endif

namespace {

using lumeno::cli::Commands;
using lumeno::cli::Context;
using lumeno::cli::UsageError;

// What the information box would show goes to standard error.
class StderrInfoSink : public lumeno::data::InfoSink {
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

void PrintHelp(std::ostream& out) {
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
  for (const auto& [name, info] : Commands()) {
    std::string left = "  " + name + " " + info.usage;
    out << left << "\n      " << info.summary << "\n";
  }
  out << "\nA command's message goes to standard error with status 1; bad\n"
         "arguments give status 2.\n";
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> raw(argv + 1, argv + argc);
  bool gbk = false;
  std::vector<std::string> rest;
  for (std::size_t i = 0; i < raw.size(); ++i) {
    const std::string& a = raw[i];
    if (a == "--encoding" || a.rfind("--encoding=", 0) == 0) {
      std::string value;
      if (a == "--encoding") {
        if (i + 1 >= raw.size()) {
          std::cerr << "lumeno-cli: --encoding needs a value (utf8 or gbk)\n";
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
        std::cerr << "lumeno-cli: unknown encoding '" << value << "' (use utf8 or gbk)\n";
        return 2;
      }
    } else {
      rest.push_back(a);
    }
  }
  if (rest.empty()) {
    PrintHelp(std::cerr);
    return 2;
  }
  if (rest[0] == "--help" || rest[0] == "-h" || rest[0] == "help") {
    PrintHelp(std::cout);
    return 0;
  }
  if (rest[0] == "--version") {
    std::cout << "lumeno-cli " << LUMENO_VERSION << "\n";
    return 0;
  }
  auto it = Commands().find(rest[0]);
  if (it == Commands().end()) {
    std::cerr << "lumeno-cli: unknown command '" << rest[0] << "'; see lumeno-cli --help\n";
    return 2;
  }
  std::vector<std::string> args;
  for (std::size_t i = 1; i < rest.size(); ++i) args.push_back(gbk ? rest[i] : lumeno::Utf8ToGbk(rest[i]));
  if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
    std::cout << "Usage: lumeno-cli " << it->first << " " << it->second.usage << "\n  " << it->second.summary
              << "\n";
    return 0;
  }
  Context ctx(std::move(args), gbk, std::cout, std::cerr);
  StderrInfoSink sink(ctx);
  lumeno::data::ScopedInfoSink scoped(&sink);
  try {
    int status = it->second.run(ctx);
    if (status == 0 && sink.count > 0) status = 1;
    std::cout.flush();
    return status;
  } catch (const UsageError& e) {
    ctx.ErrorLine(std::string("lumeno-cli ") + it->first + ": " + e.what());
    std::cerr << "Usage: lumeno-cli " << it->first << " " << it->second.usage << "\n";
    return 2;
  } catch (const lumeno::CommandCancelled&) {
    return 1;
  } catch (const std::exception& e) {
    ctx.ErrorLine(e.what());
    return 1;
  }
}
