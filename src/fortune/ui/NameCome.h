#pragma once
// The surname origin window TFrmNameCome: a surname typed or chosen from the
// list of table xing, and its origin. Not modal: every command opens one
// more.
#include <QWidget>

#include "data/query.h"

class QComboBox;
class QPlainTextEdit;

namespace lumeno::fortune {

class TFrmNameCome : public QWidget {
  Q_OBJECT

 public:
  // Reads the list of surnames; a database failure is not caught here.
  explicit TFrmNameCome(QWidget* parent = nullptr);

  QComboBox* cbxSurname = nullptr;  // 请输入姓氏或选择, editable
  QPlainTextEdit* Memo1 = nullptr;  // the origin text
  data::Query& ADOQuery1() { return adoQuery1_; }

  void CmdSearch();  // 开始搜索; also Enter in the field and a choice from the list

 private:
  data::Query adoQuery1_;  // on VelBirth.dll, connected when the window is made
};

// Creates the window, shows it and returns without waiting; it deletes
// itself when closed.
TFrmNameCome* ShowSurnameOrigin(QWidget* parent);

}  // namespace lumeno::fortune
