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

// A general error caused by what the user typed, such as a date that does
// not exist. It carries, besides the program's message, one for the user
// (GBK): the windows show that one through the information box, like their
// other input messages, instead of the general error box.
class InvalidInput : public GeneralError {
 public:
  InvalidInput(const std::string& gbkMessage, std::string gbkUserMessage)
      : GeneralError(gbkMessage), userMessage_(std::move(gbkUserMessage)) {}
  const std::string& UserMessage() const { return userMessage_; }

 private:
  std::string userMessage_;
};

// The messages of a typed date, number or hour that is none.
std::string InvalidDateMessage(const std::string& typedDate);
std::string InvalidNumberMessage(const std::string& typedNumber);
std::string InvalidHourMessage(const std::string& typedHour);

// Thrown by a look-up whose failure cancels the running command silently:
// the command runner catches it and leaves what the command already wrote.
class CommandCancelled : public std::runtime_error {
 public:
  explicit CommandCancelled(const std::string& why = "command cancelled") : std::runtime_error(why) {}
};

}  // namespace lumeno
