#include "cli/cli.h"

#include "core/gbk.h"
#include "core/text.h"

namespace lumeno::cli {

namespace {
std::map<std::string, CommandInfo>& Registry() {
  static std::map<std::string, CommandInfo> registry;
  return registry;
}
}  // namespace

CommandRegistration::CommandRegistration(CommandInfo info) { Registry()[info.name] = info; }

const std::map<std::string, CommandInfo>& Commands() { return Registry(); }

Context::Context(std::vector<std::string> gbkArgs, bool gbkOutput, std::ostream& out, std::ostream& err)
    : args_(std::move(gbkArgs)), gbkOutput_(gbkOutput), out_(out), err_(err) {}

std::string Context::ForOutput(const std::string& gbk) const { return gbkOutput_ ? gbk : GbkToUtf8(gbk); }

void Context::Line(const std::string& gbkLine) { out_ << ForOutput(gbkLine) << '\n'; }

void Context::ErrorLine(const std::string& gbkLine) { err_ << ForOutput(gbkLine) << '\n'; }

std::optional<std::string> ParsedArgs::Get(const std::string& name) const {
  auto it = options.find(name);
  if (it == options.end()) return std::nullopt;
  return it->second;
}

std::string ParsedArgs::GetOr(const std::string& name, const std::string& fallback) const {
  auto v = Get(name);
  return v ? *v : fallback;
}

std::optional<int> ParsedArgs::GetInt(const std::string& name) const {
  auto v = Get(name);
  if (!v) return std::nullopt;
  auto n = ParseInt(Trim(*v));
  if (!n) throw UsageError("--" + name + " needs a whole number, not '" + *v + "'");
  return n;
}

ParsedArgs ParseArgs(const std::vector<std::string>& args, const std::vector<std::string>& valued,
                     const std::vector<std::string>& flags) {
  ParsedArgs parsed;
  auto contains = [](const std::vector<std::string>& list, const std::string& s) {
    for (const auto& x : list)
      if (x == s) return true;
    return false;
  };
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a.size() > 2 && a.compare(0, 2, "--") == 0) {
      std::string name = a.substr(2);
      std::string value;
      std::size_t eq = name.find('=');
      bool inlineValue = eq != std::string::npos;
      if (inlineValue) {
        value = name.substr(eq + 1);
        name = name.substr(0, eq);
      }
      if (contains(flags, name)) {
        if (inlineValue) throw UsageError("--" + name + " takes no value");
        parsed.options[name] = "";
      } else if (contains(valued, name)) {
        if (!inlineValue) {
          if (i + 1 >= args.size()) throw UsageError("--" + name + " needs a value");
          value = args[++i];
        }
        parsed.options[name] = value;
      } else {
        throw UsageError("unknown option --" + name);
      }
    } else {
      parsed.positional.push_back(a);
    }
  }
  return parsed;
}

}  // namespace lumeno::cli
