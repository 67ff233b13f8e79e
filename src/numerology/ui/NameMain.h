#pragma once
// The name-analysis window TFrmNameMain: its own name and birth inputs, the
// name analysis report in its own pane (with the closing line), saving the
// report as a text file. The naming window opens it for a chosen name.
#include <QDialog>
#include <memory>
#include <string>

#include "app/text_pane.h"
#include "data/query.h"
#include "numerology/name_report.h"

class QComboBox;
class QLineEdit;
class QTextEdit;

namespace lumeno::numerology {

class TFrmNameMain : public QDialog {
  Q_OBJECT

 public:
  explicit TFrmNameMain(QWidget* parent = nullptr);
  ~TFrmNameMain() override;

  QLineEdit* NameA = nullptr;   // 姓
  QLineEdit* NameB = nullptr;   // 名
  QComboBox* Sex = nullptr;
  QComboBox* ComDate = nullptr;
  QComboBox* SYear = nullptr;   // 1900-2040
  QComboBox* SMonth = nullptr;
  QComboBox* Sday = nullptr;
  QComboBox* Shour = nullptr;
  QComboBox* CBFen = nullptr;   // 00-59, showing 0 until one is chosen
  QTextEdit* RzMemo1 = nullptr; // the report pane

  app::RichTextPane& OutputPane() { return *pane_; }
  AnalysisState& State() { return state_; }
  NameInputs Inputs() const;

  // The window's commands.
  void CmdNameAnalysis();  // 姓名分析
  void CmdSave();          // 保存
  void CmdPrint();         // 打印
  void CmdExit();          // 退出: closes the window

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  std::unique_ptr<app::RichTextPane> pane_;
  AnalysisState state_;
  data::Query adoQname_;
  data::Query adoTeam_;
};

// Creates the name-analysis window, fills its inputs (sex item 男 for the
// text "男", else 女; calendar item by index, 0 公历 and 1 农历), shows it
// modally and destroys it when it has been closed. Texts are GBK.
void OpenNameAnalysis(QWidget* parent, const std::string& surname, const std::string& sex, const std::string& year,
                      const std::string& given, int calendarIndex, const std::string& minute,
                      const std::string& hour, const std::string& day, const std::string& month);

}  // namespace lumeno::numerology
