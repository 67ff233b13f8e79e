#pragma once
// Whole-file reads and writes for the file commands, with the reason of a
// failure worded for the user.
#include <QString>
#include <optional>
#include <string>

namespace lumeno::app {

// The bytes of a file; nothing when it cannot be read.
std::optional<std::string> ReadFileBytes(const QString& path);

// Writes `bytes` to `path`, replacing a file that exists. Nothing on
// success, else the reason, in words for the user.
std::optional<QString> WriteFileBytes(const QString& path, const std::string& bytes);

}  // namespace lumeno::app
