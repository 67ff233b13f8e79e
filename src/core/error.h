#pragma once
// The general error of the program: a failure whose message (GBK) reaches the
// application's general error box, such as a date text that is not a date.
#include <stdexcept>
#include <string>

namespace lumeno {

class GeneralError : public std::runtime_error {
 public:
  explicit GeneralError(const std::string& gbkMessage) : std::runtime_error(gbkMessage) {}
};

}  // namespace lumeno

namespace lumeno {

// Thrown by a look-up whose failure cancels the running command silently:
// the command runner catches it and leaves what the command already wrote.
class CommandCancelled : public std::runtime_error {
 public:
  explicit CommandCancelled(const std::string& why = "command cancelled") : std::runtime_error(why) {}
};

}  // namespace lumeno
