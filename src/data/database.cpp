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

std::string ConnectionStringFor(DatabaseFile file) {
  return std::string(kProvider) + ProgramDirectory() + "\\" + FileName(file) + ";Persist Security Info=True";
}

std::string OwnRorurozConnectionString() {
  return std::string(kProvider) + ProgramDirectory() + "Roruroz.dll;Persist Security Info=False";
}

std::string DataSourceOf(const std::string& connectionString) {
  // Find "Data Source=" without regard to ASCII case; the value runs to the
  // next ';' or the end.
  const std::string key = "data source=";
  std::string lower = connectionString;
  for (char& c : lower)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  std::size_t at = lower.find(key);
  if (at == std::string::npos) throw DataError("connection string names no data source");
  std::size_t begin = at + key.size();
  std::size_t end = connectionString.find(';', begin);
  std::string source = Trim(connectionString.substr(begin, end == std::string::npos ? std::string::npos : end - begin));
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
