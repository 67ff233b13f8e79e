#include "support/paths.h"

namespace lumeno::testing {
std::string BinDir() { return LUMENO_BIN_DIR; }
std::string SourceDir() { return LUMENO_SOURCE_DIR; }
}  // namespace lumeno::testing
