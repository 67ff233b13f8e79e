#pragma once
// The naming window TFrmQiming: a surname, the sex, the name form and the
// options of a run; the combination list kept up to date as the fields are
// left; 马上起名 starts a run on the worker TMythread, whose batches fill the
// all-names view (rows of six) and the high-score list through queued calls.
// A double-click on a high-score name opens the name-analysis window; the
// selected name's readings, glosses, grids and score show under the list.
#include <QDialog>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <string>

#include "data/query.h"
#include "naming/settings.h"
#include "naming/worker.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTimer;

namespace lumeno::naming {

class TFrmQiming : public QDialog {
  Q_OBJECT

 public:
  explicit TFrmQiming(QWidget* parent = nullptr);
  // Stops a run in progress and waits for its worker.
  ~TFrmQiming() override;

  // Inputs.
  QLineEdit* Xing = nullptr;                // 姓氏
  QComboBox* CBsex = nullptr;               // 男, 女
  QComboBox* ComDate = nullptr;             // 公历, 农历
  QComboBox* SYear = nullptr;               // 1900-2040
  QComboBox* SMonth = nullptr;              // 01-12
  QComboBox* Sday = nullptr;                // 01-31
  QComboBox* Shour = nullptr;               // 子 0 … 子 23
  QComboBox* CBFen = nullptr;               // 00-59
  QComboBox* CBXingshi = nullptr;           // 双字名, 单字名
  QCheckBox* CBzhishukongz = nullptr;       // 第
  QComboBox* CBdijizi = nullptr;            // 第二字, 第三字
  QLineEdit* Gudingzi = nullptr;            // 固定为
  QComboBox* CBCode = nullptr;              // 优选方案
  QCheckBox* CBFeeXX = nullptr;             // 只起 … 分以上名字
  QLineEdit* ZuidiFee = nullptr;
  QCheckBox* CBInitFee = nullptr;           // 自动挑选 … 分以上名字
  QLineEdit* Sorcss = nullptr;
  QCheckBox* CBjin = nullptr;               // 五行包括 金
  QCheckBox* CBMu = nullptr;                // 木
  QCheckBox* CBshui = nullptr;              // 水
  QCheckBox* CBhuo = nullptr;               // 火
  QCheckBox* CBTu = nullptr;                // 土
  // Commands.
  QPushButton* Button1 = nullptr;           // 马上起名
  QPushButton* Button3 = nullptr;           // 停止起名
  QPushButton* Button2 = nullptr;           // 关闭窗口
  QPushButton* Button4 = nullptr;           // 复制高分名字
  QPushButton* BaziButton = nullptr;        // 按八字补五行
  // Outputs.
  QPlainTextEdit* MemoSuccess = nullptr;    // all names, six to a row
  QTabWidget* Tabs = nullptr;
  QListWidget* ListBox1 = nullptr;          // high-score names
  QLabel* DetailLabel = nullptr;            // under the list: the selected name
  QLabel* ElementLine = nullptr;            // 八字五行：…
  QLabel* StatusLine = nullptr;             // how the run goes

  // The window's options as a run reads them (the combination list too).
  NamingSettings Settings() const;
  // True while a run's worker has not handed over its last batch.
  bool RunInProgress() const { return worker_ && !finished_; }
  // How long 停止起名 stays disabled.
  static constexpr int kStopPauseMs = 2000;
  // The longest the window spends showing batches before it lets other
  // events (input, painting, timers) in.
  static constexpr int kDrainBudgetMs = 5;

  // Handlers, named after the control and event they serve.
  void XingExit();            // leaving 姓氏
  void CBXingshiClick();      // a choice in 名字形式
  void GudingziExit();        // leaving 固定为
  void CBFeeXXClick();        // 只起 … 分以上名字 ticked or cleared
  void ZuidiFeeExit();        // leaving the minimum score
  void SorcssExit();          // leaving the pick threshold
  void Button1Click();        // 马上起名
  void Button3Click();        // 停止起名
  void Button2Click();        // 关闭窗口
  void Button4Click();        // 复制高分名字
  void ListBox1DblClick();    // double-click on a high-score name
  void BaziButtonClick();     // 按八字补五行

 signals:
  // The last batch of a run has been shown.
  void RunFinished();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void done(int result) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildLayout();
  void Wire();
  // BuildCombinationList for the trimmed surname when it is not empty.
  void RebuildCombinationList();
  // What the fields typed in that the combination list follows hold now.
  std::string ListInputs() const;
  // Called on the worker thread: queues a batch for the window.
  void TakeBatch(RunBatch&& batch);
  // Shows queued batches for at most kDrainBudgetMs, then yields to the
  // event loop and goes on with the rest.
  void DrainBatches();
  void AppendBatch(const RunBatch& batch);
  void ShowSelectedDetails();
  void ShowStatus();
  // Clears the running flag and waits for the worker to end.
  void EndWorker();
  void CloseQueries();

  data::Query adoTem_;  // the window's own query for strokes and combinations
  std::string listInputs_;  // ListInputs() when the list was last built
  std::mutex pendingMutex_;         // guards pending_ and drainPosted_
  std::deque<RunBatch> pending_;    // batches handed over, not yet shown
  bool drainPosted_ = false;        // a drain is queued or under way
  QTimer* drainTimer_ = nullptr;    // continues a drain that used its budget
  RunControl control_;
  std::unique_ptr<TMythread> worker_;
  std::uint64_t run_ = 0;
  bool finished_ = false;
  RunEnd lastEnd_ = RunEnd::Completed;
  std::string runSurname_;        // the surname of the names in the lists
  bool runHadCombinations_ = false;
  int namesRead_ = 0;
};

// 起名宝典, 姓名评分, 马上起名: a new naming window with its defaults, shown
// modally and destroyed when it has been closed.
void OpenNamingWindow(QWidget* parent);

}  // namespace lumeno::naming
