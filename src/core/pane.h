#pragma once
// Where reports go: a read-only pane of GBK text lines. Windows implement it
// over their text widgets; tests and the command line use MemoryPane.
#include <string>
#include <vector>

namespace lumeno {

class Pane {
 public:
  virtual ~Pane() = default;
  virtual void ClearPane() = 0;
  virtual void AppendLine(const std::string& gbkLine) = 0;
  virtual void ScrollPaneToTop() = 0;
  // Makes a hidden pane visible (the main window's pane starts hidden).
  virtual void ShowPane() {}
};

class MemoryPane : public Pane {
 public:
  void ClearPane() override { lines.clear(); }
  void AppendLine(const std::string& gbkLine) override { lines.push_back(gbkLine); }
  void ScrollPaneToTop() override { ++scrolls; }
  void ShowPane() override { shown = true; }

  std::vector<std::string> lines;
  int scrolls = 0;
  bool shown = false;
};

}  // namespace lumeno
