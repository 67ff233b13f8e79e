#pragma once
// The nickname window TFrmWangming (网名与性格): a nickname in, the trait of
// its last letter out. The main window opens a new one modally.
#include <QDialog>

class QLabel;
class QLineEdit;

namespace lumeno::fortune {

class TFrmWangming : public QDialog {
  Q_OBJECT

 public:
  explicit TFrmWangming(QWidget* parent = nullptr);

  QLineEdit* edtName = nullptr;     // 输入网名, at most 18 characters, upper case
  QLabel* NicknameLine = nullptr;   // 你的网名：...
  QLabel* TraitLine = nullptr;      // 你的性格：...

  void CmdAnalyse();  // 测算, also Enter in the input
};

void OpenNickname(QWidget* parent);

}  // namespace lumeno::fortune
