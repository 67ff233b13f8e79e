#pragma once
// The character element window TFrmWuxing: up to five characters in, their
// elements out. Opened modally, a new one per command.
#include <QDialog>

#include "data/query.h"

class QLineEdit;

namespace lumeno::fortune {

class TFrmWuxing : public QDialog {
  Q_OBJECT

 public:
  explicit TFrmWuxing(QWidget* parent = nullptr);

  QLineEdit* edtInput = nullptr;   // 输入字, at most ten GBK bytes
  QLineEdit* edtResult = nullptr;  // 查看结果, at most ten GBK bytes
  data::Query& ADOTem() { return adoTem_; }

  void CmdLookUp();  // 查看, also Enter in the input

 private:
  data::Query adoTem_;  // on Roruroz.dll, connected when the window is made
};

void OpenCharacterElement(QWidget* parent);

}  // namespace lumeno::fortune
