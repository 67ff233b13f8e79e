#pragma once
// The end of the application: the main database's lock file is removed and
// the process stops at once, without closing windows or connections.
#include <functional>

namespace lumeno::app {

// Deletes ProgramDirectory() + "Roruroz.ldb" where it exists; any failure
// is ignored. The lock files of the other databases are left alone.
void DeleteDatabaseLockFile() noexcept;

// Ends the process at once with status 0 (no exit handlers, no prompt).
// Tests install a hook in its place so the test process survives; an empty
// function restores the real end. Returns the previous hook.
std::function<void()> SetProcessEndHook(std::function<void()> hook);
void EndProcessNow();

}  // namespace lumeno::app
