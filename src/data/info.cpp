#include "data/info.h"

#include <cstdio>
#include <mutex>

#include "core/gbk.h"

namespace lumeno::data {
namespace {
std::mutex mutex;
InfoSink* currentSink = nullptr;
std::function<void()> beepHook;
}  // namespace

InfoSink* SetInfoSink(InfoSink* sink) {
  std::lock_guard<std::mutex> lock(mutex);
  InfoSink* previous = currentSink;
  currentSink = sink;
  return previous;
}

void ShowInfo(const std::string& gbkText) {
  InfoSink* sink;
  {
    std::lock_guard<std::mutex> lock(mutex);
    sink = currentSink;
  }
  if (sink) {
    sink->ShowInfo(gbkText);
  } else {
    std::string utf8 = GbkToUtf8(gbkText);
    std::fprintf(stderr, "%s\n", utf8.c_str());
  }
}

void SetBeepHook(std::function<void()> beep) {
  std::lock_guard<std::mutex> lock(mutex);
  beepHook = std::move(beep);
}

void Beep() {
  std::function<void()> hook;
  {
    std::lock_guard<std::mutex> lock(mutex);
    hook = beepHook;
  }
  if (hook) {
    hook();
  } else {
    std::fputc('\a', stderr);
    std::fflush(stderr);
  }
}

}  // namespace lumeno::data
