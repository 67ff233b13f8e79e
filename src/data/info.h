#pragma once
// The information box every command message goes through, and the warning
// beep. Both are replaceable: the main window installs the modal message box
// (title "提示", OK button, information icon); tests and the command line
// record or print the messages.
#include <functional>
#include <string>
#include <vector>

namespace lumeno::data {

class InfoSink {
 public:
  virtual ~InfoSink() = default;
  virtual void ShowInfo(const std::string& gbkText) = 0;
};

// Collects the messages, for tests and the command line.
class RecordingInfoSink : public InfoSink {
 public:
  void ShowInfo(const std::string& gbkText) override { messages.push_back(gbkText); }
  std::vector<std::string> messages;
};

// Installs the sink (nullptr restores the default, which writes the text to
// standard error as UTF-8). Returns the previous sink.
InfoSink* SetInfoSink(InfoSink* sink);
void ShowInfo(const std::string& gbkText);

// Installs the beep (an empty function restores the default terminal bell).
void SetBeepHook(std::function<void()> beep);
void Beep();

// Installs a sink for the life of a scope.
class ScopedInfoSink {
 public:
  explicit ScopedInfoSink(InfoSink* sink) : previous_(SetInfoSink(sink)) {}
  ~ScopedInfoSink() { SetInfoSink(previous_); }
  ScopedInfoSink(const ScopedInfoSink&) = delete;
  ScopedInfoSink& operator=(const ScopedInfoSink&) = delete;

 private:
  InfoSink* previous_;
};

}  // namespace lumeno::data
