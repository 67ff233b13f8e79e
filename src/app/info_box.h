#pragma once
// The information box through which every command message is shown: modal,
// title "提示", an OK button and the information icon.
#include "data/info.h"

class QWidget;

namespace lumeno::app {

class InfoMessageBox : public data::InfoSink {
 public:
  // `fallbackParent` owns the box when no window of the program is active.
  explicit InfoMessageBox(QWidget* fallbackParent = nullptr) : fallbackParent_(fallbackParent) {}
  void ShowInfo(const std::string& gbkText) override;

 private:
  QWidget* fallbackParent_;
};

}  // namespace lumeno::app
