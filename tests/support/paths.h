#pragma once
#include <string>

namespace lumeno::testing {

// The folder of the built executables and shipped databases (no final '/').
std::string BinDir();
// The source tree's root.
std::string SourceDir();

}  // namespace lumeno::testing
