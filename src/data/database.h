#pragma once
// The five reference database files, their connection strings and the error
// every data-layer failure raises.
#include <optional>
#include <string>

#include "core/error.h"

namespace lumeno::data {

// Any failure of the data layer: a file that cannot be opened, a text that is
// not a query of the dialect, an unknown table or column, a type mismatch.
// It is a general error, so where no caller catches it, it reaches the
// application's general error box.
class DataError : public GeneralError {
 public:
  using GeneralError::GeneralError;
};

enum class DatabaseFile { Roruroz, VelFile, VelBirth, Dream, Tgcode };

inline constexpr DatabaseFile kAllDatabaseFiles[] = {DatabaseFile::Roruroz, DatabaseFile::VelFile,
                                                     DatabaseFile::VelBirth, DatabaseFile::Dream,
                                                     DatabaseFile::Tgcode};

// "Roruroz.dll", "VelFile.dll", "VelBirth.dll", "dream.dll", "Tgcode.dll".
const char* FileName(DatabaseFile file);

// The running executable's directory, read from the process on each call,
// ending in the separator. Tests may redirect it with
// SetProgramDirectoryOverride to a folder of fixture databases.
std::string ProgramDirectory();
void SetProgramDirectoryOverride(std::optional<std::string> directory);

// "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + ProgramDirectory() +
// "\<file>;Persist Security Info=True". Where the folder's path holds a
// character that form would misread (';', '\\', '"', a blank at either end),
// the data source is written quoted instead: "<folder><file>" with inner
// quotes doubled.
std::string ConnectionStringFor(DatabaseFile file);

// The form two windows build for Roruroz.dll themselves:
// ProgramDirectory() + "Roruroz.dll;Persist Security Info=False" after the
// provider, with a single separator.
std::string OwnRorurozConnectionString();

// The file path named by a connection string's Data Source: a plain value
// with backslashes read as separators and doubled separators collapsed, a
// quoted value exactly as written. Raises DataError when the string names
// no data source.
std::string DataSourceOf(const std::string& connectionString);
// The plain value's reading alone.
std::string PlainSourcePath(const std::string& source);

}  // namespace lumeno::data
