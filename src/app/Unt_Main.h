#pragma once
// The main window TFrmmain: the inputs of a name and a birth moment, the
// output pane over its background picture, the menu bar and the three button
// panels. Every command of the program starts here; each has one function of
// the switchboard below, run through RunCommand so that nothing escaping a
// command can end the program.
#include <QMainWindow>
#include <memory>
#include <string>

#include "app/info_box.h"
#include "app/text_pane.h"
#include "data/query.h"
#include "numerology/name_report.h"

class QComboBox;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QGridLayout;

namespace lumeno::app {

class BackgroundArea;

class TFrmmain : public QMainWindow {
  Q_OBJECT

 public:
  explicit TFrmmain(QWidget* parent = nullptr);
  ~TFrmmain() override;

  // The caption: Lumeno followed by the edition label.
  static QString Caption();

  // Inputs, named as the commands that read them know them.
  QLineEdit* NameA = nullptr;   // 姓
  QLineEdit* NameB = nullptr;   // 名
  QComboBox* Sex = nullptr;     // 男, 女
  QComboBox* ComDate = nullptr; // 公历, 农历 (read by item index)
  QComboBox* SYear = nullptr;
  QComboBox* SMonth = nullptr;
  QComboBox* Sday = nullptr;
  QComboBox* Shour = nullptr;   // "子 0" … "子 23"
  QComboBox* CBFen = nullptr;   // minute
  QPlainTextEdit* RzMemo1 = nullptr;  // the output pane

  PlainTextPane& OutputPane() { return *pane_; }
  numerology::AnalysisState& State() { return state_; }
  data::Query& ADOQname() { return adoQname_; }
  data::Query& ADOteam() { return adoTeam_; }

  // The calendar input's item index: 0 公历, 1 农历, -1 for a typed text that
  // is neither.
  int CalendarIndex() const;
  // The inputs of the name analysis as typed, GBK.
  numerology::NameInputs NameInputs() const;

  // ---- The switchboard: one function per command. ----
  // System.
  void CmdNewReckoning();          // 新建测算
  void CmdOpenRecord();            // 打开记录...
  void CmdSave();                  // 保存测算, 另存测算, 保存
  void CmdPageSetup();             // 打印设置...
  void CmdPrint();                 // 打印结果, 打印
  void CmdNoEffect() {}            // the entries and buttons without an effect
  void CmdExit();                  // 退出系统, 退出, the close box
  // Naming.
  void CmdNaming();                // 起名宝典, 姓名评分, 马上起名
  void CmdNameAnalysis();          // 姓名分析, 姓名详解
  void CmdThreeTalents();          // 三才吉凶
  void CmdSurnameOrigin();         // 姓氏起源
  void CmdArticle(const std::string& code);  // the article entries, by code
  void CmdCharacterElement();      // 文字五行
  void CmdBazi();                  // 八字分析
  // Pairing, almanac, divination, tools.
  void CmdQQPairing();             // QQ缘分配对
  void CmdAlmanac();               // 黄道吉日: the almanac window, empty
  void CmdTodayAlmanac();          // 本日吉日: the almanac window on today
  void CmdLuckyDaySearch();        // 吉日查询: the auspicious-day window
  void CmdLuckyDays(const std::string& activity);  // 开市吉日 … 安葬吉日, by activity (GBK)
  void CmdDivination(int kind, const std::string& title);  // the seven signs, 0-6
  void CmdMobileNumber();          // 手机号码分析, 手机分析
  void CmdQQNumber();              // QQ号码分析
  void CmdAnyNumber();             // 更多数字分析, 数字分析
  void CmdNickname();              // 网名分析
  void CmdBoyOrGirl();             // 生男生女
  void CmdCalendar();              // 万年历法
  // Help and service.
  void CmdUpgrade();               // 软件升级
  void CmdAbout();                 // 关于系统
  void CmdHomePage();              // 公司主页, 官方网站
  void CmdCustomerService();       // 客户服务, 人工起名
  void CmdQQChat();                // 与QQ对话, 联系QQ
  void CmdMail();                  // 给我们发邮件
  void CmdOtherProduct();          // 设备管理系统

  // Whom the report in the pane is about (GBK), for the name a save suggests
  // and the title of a print.
  const std::string& ReportSurname() const { return reportSurname_; }
  const std::string& ReportGiven() const { return reportGiven_; }

  // The end of the application: the lock file beside Roruroz.dll is deleted
  // and the process ends at once, without closing windows or connections.
  static void EndApplication();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildInputs(QGridLayout* grid);
  void BuildMenus();
  QWidget* BuildUpperButtons();
  QWidget* BuildSidePanel();
  QWidget* BuildBottomPanel();
  // Wires an action or a button to a command run through RunCommand.
  template <class F>
  void Connect(QAction* action, F command);
  template <class F>
  QPushButton* Button(const QString& caption, F command);
  QAction* Entry(QMenu* menu, const QString& caption, void (TFrmmain::*command)());
  QAction* ArticleEntry(QMenu* menu, const QString& caption, const char* code);

  // Runs a report command; when it has put a new report in the pane (even
  // one it could not finish), the report is about the names that `subject`
  // gives then.
  template <class F, class S>
  void Report(F command, S subject);

  std::unique_ptr<PlainTextPane> pane_;
  std::string reportSurname_;
  std::string reportGiven_;
  BackgroundArea* background_ = nullptr;
  numerology::AnalysisState state_;
  data::Query adoQname_;
  data::Query adoTeam_;
  InfoMessageBox infoBox_;
  bool ownsInfoSink_ = false;
};

}  // namespace lumeno::app
