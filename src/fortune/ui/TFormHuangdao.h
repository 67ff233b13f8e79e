#pragma once
// The almanac window TFormHuangdao (黄道吉日): a day chosen or typed as year,
// month and day, its overview line, the almanac entry of table huangdao and
// a glossary of almanac terms. Not modal: every command opens one more, and
// closing one destroys it.
#include <QDate>
#include <QDialog>
#include <memory>
#include <optional>
#include <string>

#include "app/text_pane.h"
#include "data/query.h"

class QComboBox;
class QLabel;
class QPlainTextEdit;

namespace lumeno::fortune {

class TFormHuangdao : public QDialog {
  Q_OBJECT

 public:
  explicit TFormHuangdao(QWidget* parent = nullptr);
  ~TFormHuangdao() override;

  QComboBox* CbYear = nullptr;    // 1901-2100, editable, empty at first
  QComboBox* CbMonth = nullptr;   // 01-12
  QComboBox* CbDay = nullptr;     // 01-31
  QLabel* LblOverview = nullptr;  // the overview line, bold and red
  QPlainTextEdit* MemoResult = nullptr;
  QPlainTextEdit* MemoGlossary = nullptr;

  app::PlainTextPane& ResultPane() { return *pane_; }
  data::Query& Query() { return query_; }

  // Puts a day into the three inputs as the lists write it (2026, 05, 01).
  void SetDay(const QDate& day);

  // The window's commands.
  void CmdLookUp();  // 测算
  void CmdClose();   // 关闭

 private:
  std::unique_ptr<app::PlainTextPane> pane_;
  data::Query query_;
};

// Creates an almanac window and shows it without waiting. With a day, the
// inputs hold it and its entry is looked up at once; without, the window
// starts empty.
TFormHuangdao* OpenAlmanacWindow(QWidget* parent, const std::optional<QDate>& day = std::nullopt);

}  // namespace lumeno::fortune
