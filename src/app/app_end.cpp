#include "app/app_end.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

#include "data/database.h"

namespace lumeno::app {
namespace {
std::function<void()> processEndHook;
}

void DeleteDatabaseLockFile() noexcept {
  try {
    const std::string path = data::ProgramDirectory() + "Roruroz.ldb";
    std::remove(path.c_str());
  } catch (...) {
  }
}

std::function<void()> SetProcessEndHook(std::function<void()> hook) {
  return std::exchange(processEndHook, std::move(hook));
}

void EndProcessNow() {
  if (processEndHook) {
    processEndHook();
    return;
  }
  std::fflush(nullptr);
  std::_Exit(0);
}

}  // namespace lumeno::app
