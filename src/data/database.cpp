#include "data/database.h"

#include <unistd.h>

#include <climits>
#include <mutex>

#include "core/text.h"

namespace lumeno::data {
namespace {

std::mutex overrideMutex;
std::optional<std::string> directoryOverride;

const char* const kProvider = "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=";

}  // namespace

const char* FileName(DatabaseFile file) {
  switch (file) {
    case DatabaseFile::Roruroz: return "Roruroz.dll";
    case DatabaseFile::VelFile: return "VelFile.dll";
    case DatabaseFile::VelBirth: return "VelBirth.dll";
    case DatabaseFile::Dream: return "dream.dll";
    case DatabaseFile::Tgcode: return "Tgcode.dll";
  }
  return "";
}

void SetProgramDirectoryOverride(std::optional<std::string> directory) {
  std::lock_guard<std::mutex> lock(overrideMutex);
  if (directory && !directory->empty() && directory->back() != '/') *directory += '/';
  directoryOverride = std::move(directory);
}

std::string ProgramDirectory() {
  {
    std::lock_guard<std::mutex> lock(overrideMutex);
    if (directoryOverride) return *directoryOverride;
  }
  char buf[PATH_MAX + 1];
  ssize_t n = readlink("/proc/self/exe", buf, PATH_MAX);
  if (n <= 0) return "./";
  std::string path(buf, static_cast<std::size_t>(n));
  std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string("./") : path.substr(0, slash + 1);
}

namespace {

// A folder whose path the plain form of a connection string cannot carry: a
// ';' would end the data source early, a '\\' would be read as a separator,
// a '"' would start a quoted value and blanks at either end would be trimmed.
bool NeedsQuotedSource(const std::string& directory) {
  if (directory.find_first_of(";\\\"") != std::string::npos) return true;
  return !directory.empty() && (static_cast<unsigned char>(directory.front()) <= ' ' ||
                                static_cast<unsigned char>(directory.back()) <= ' ');
}

// The data source as a quoted value: the path exactly as it is, inner quotes
// doubled, as connection strings quote a value holding ';'.
std::string QuotedSource(const std::string& path) {
  std::string out = "\"";
  for (char c : path) {
    out += c;
    if (c == '"') out += '"';
  }
  return out + "\"";
}

}  // namespace

// Every ordinary folder gives the fixed texts; a folder that the plain form
// would misread gets its data source quoted (and written with its own
// separators), so the program still finds its files there.
std::string ConnectionStringFor(DatabaseFile file) {
  const std::string directory = ProgramDirectory();
  if (NeedsQuotedSource(directory))
    return std::string(kProvider) + QuotedSource(directory + FileName(file)) + ";Persist Security Info=True";
  return std::string(kProvider) + directory + "\\" + FileName(file) + ";Persist Security Info=True";
}

std::string OwnRorurozConnectionString() {
  const std::string directory = ProgramDirectory();
  if (NeedsQuotedSource(directory))
    return std::string(kProvider) + QuotedSource(directory + "Roruroz.dll") + ";Persist Security Info=False";
  return std::string(kProvider) + directory + "Roruroz.dll;Persist Security Info=False";
}

std::string DataSourceOf(const std::string& connectionString) {
  // The string is a list of key=value pairs separated by ';'; a value may be
  // quoted with '"' (a doubled quote inside stands for one) and is then
  // taken exactly as written. Keys compare without regard to ASCII case.
  std::size_t pos = 0;
  const std::size_t n = connectionString.size();
  while (pos < n) {
    std::size_t eq = connectionString.find('=', pos);
    std::size_t semi = connectionString.find(';', pos);
    if (eq == std::string::npos) break;
    if (semi != std::string::npos && semi < eq) {
      pos = semi + 1;
      continue;
    }
    std::string key = Trim(connectionString.substr(pos, eq - pos));
    for (char& c : key)
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    std::size_t v = eq + 1;
    while (v < n && connectionString[v] == ' ') ++v;
    std::string value;
    bool quoted = v < n && connectionString[v] == '"';
    if (quoted) {
      std::size_t i = v + 1;
      bool closed = false;
      for (; i < n; ++i) {
        if (connectionString[i] == '"') {
          if (i + 1 < n && connectionString[i + 1] == '"') {
            value += '"';
            ++i;
          } else {
            closed = true;
            ++i;
            break;
          }
        } else {
          value += connectionString[i];
        }
      }
      if (!closed) throw DataError("connection string has an unclosed quote");
      pos = connectionString.find(';', i);
      pos = pos == std::string::npos ? n : pos + 1;
    } else {
      std::size_t end = connectionString.find(';', v);
      value = connectionString.substr(v, end == std::string::npos ? std::string::npos : end - v);
      pos = end == std::string::npos ? n : end + 1;
    }
    if (key != "data source") continue;
    if (quoted) {
      if (value.empty()) throw DataError("connection string names no data source");
      return value;
    }
    return PlainSourcePath(Trim(value));
  }
  throw DataError("connection string names no data source");
}

std::string PlainSourcePath(const std::string& source) {
  if (source.empty()) throw DataError("connection string names no data source");
  std::string path;
  path.reserve(source.size());
  for (char c : source) {
    char s = c == '\\' ? '/' : c;
    if (s == '/' && !path.empty() && path.back() == '/') continue;
    path += s;
  }
  return path;
}

}  // namespace lumeno::data
