// Takes a picture of every window of the program, as a user would find it:
// the main window at start, after a name analysis and after an
// eight-character chart, the name-analysis window for 张三, then whatever
// every menu entry and panel button opens (modal or not), including message
// boxes. Each kind of window is taken once and saved as OUTDIR/<name>.png,
// <name> being the window's object name or class. Windows built later join
// by being reachable from a command. Runs on any Qt platform; the script
// tools/screenshots.sh runs it under Xvfb.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QEventLoop>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPointer>
#include <QPushButton>
#include <QSet>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <vector>

#include "app/Unt_Main.h"
#include "app/app_end.h"
#include "app/application.h"
#include "app/ui_services.h"
#include "naming/ui/BaobeiMain.h"
#include "numerology/ui/NameMain.h"

using namespace Qt::StringLiterals;

namespace {

void Settle(int ms = 250) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

class Shooter : public lumeno::app::UiServices {
 public:
  explicit Shooter(const QString& folder) : folder_(folder) {
    // Message boxes and any other window that runs its own modal loop are
    // taken and closed from inside that loop.
    watchdog_.setInterval(300);
    QObject::connect(&watchdog_, &QTimer::timeout, [this] {
      QWidget* modal = QApplication::activeModalWidget();
      if (!modal || showing_.contains(modal)) return;
      Settle(150);
      Shot(modal);
      if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
      else modal->close();
    });
    watchdog_.start();
  }

  // The name a window's picture is saved under.
  static QString NameOf(const QWidget* w) {
    if (!w->objectName().isEmpty()) return w->objectName();
    const QString cls = QString::fromLatin1(w->metaObject()->className());
    return cls == u"QMessageBox"_s ? u"InfoBox"_s : cls;
  }

  void Shot(QWidget* w, const QString& name = QString()) {
    const QString key = name.isEmpty() ? NameOf(w) : name;
    if (taken_.contains(key)) return;
    taken_.insert(key);
    const QString file = QDir(folder_).filePath(key + u".png"_s);
    const bool ok = w->grab().save(file);
    std::printf("%s\t%s\t%s\n", ok ? "saved" : "FAILED", qPrintable(file), qPrintable(w->windowTitle()));
  }

  std::optional<QString> ChooseFileToOpen(QWidget*) override { return std::nullopt; }
  std::optional<QString> ChooseFileToSave(QWidget*, const QString&, const QString&, const QString&) override {
    return std::nullopt;
  }
  void ShowError(QWidget*, const QString& message) override {
    std::fprintf(stderr, "error box: %s\n", qPrintable(message));
  }
  int RunModal(QDialog& dialog) override {
    showing_.insert(&dialog);
    dialog.show();
    Settle();
    if (auto* naming = qobject_cast<lumeno::naming::TFrmQiming*>(&dialog)) ShowNamingRun(*naming);
    Shot(&dialog);
    dialog.hide();
    showing_.remove(&dialog);
    return QDialog::Rejected;
  }
  // The print and page setup dialogs are taken as the desktop shows them,
  // then cancelled.
  bool ChoosePrinter(QWidget* parent, QPrinter& printer) override {
    QPrintDialog dialog(&printer, parent);
    dialog.setObjectName(u"PrintDialog"_s);
    dialog.setWindowTitle(u"打印"_s);
    RunModal(dialog);
    return false;
  }
  bool SetUpPage(QWidget* parent, QPrinter& printer) override {
    QPageSetupDialog dialog(&printer, parent);
    dialog.setObjectName(u"PageSetupDialog"_s);
    dialog.setWindowTitle(u"打印设置"_s);
    RunModal(dialog);
    return false;
  }
  // No browser here: the window that shows the address is taken instead.
  void OpenUrl(const QUrl&, std::function<void()> failed) override {
    if (failed) failed();
  }

 private:
  // The naming window is worth seeing with names in it: a run for 张 with
  // the window's defaults, the first high-score name selected.
  static void ShowNamingRun(lumeno::naming::TFrmQiming& window) {
    if (!window.Xing->text().isEmpty() || window.ListBox1->count() > 0) return;
    window.Xing->setText(u"张"_s);
    window.XingExit();
    window.Button1->click();
    for (int i = 0; i < 100 && window.RunInProgress(); ++i) Settle(100);
    Settle(2200);  // 停止起名 and the status line settle
    if (window.ListBox1->count() > 0) window.ListBox1->setCurrentRow(0);
    Settle(150);
  }

  QString folder_;
  QSet<QString> taken_;
  QSet<QWidget*> showing_;
  QTimer watchdog_;
};

// Every visible entry of a menu, submenus included.
void CollectEntries(QMenu* menu, std::vector<QAction*>& out) {
  for (QAction* a : menu->actions()) {
    if (a->isSeparator() || !a->isVisible()) continue;
    if (a->menu()) CollectEntries(a->menu(), out);
    else out.push_back(a);
  }
}

QSet<QWidget*> VisibleWindows() {
  QSet<QWidget*> out;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->isVisible() && !qobject_cast<QMenu*>(w) && w->isWindow()) out.insert(w);
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  lumeno::app::Application application(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: lumeno-screenshots OUTDIR\n");
    return 2;
  }
  const QString folder = QString::fromLocal8Bit(argv[1]);
  QDir().mkpath(folder);
  Shooter shooter(folder);
  lumeno::app::ScopedUiServices services(&shooter);
  lumeno::app::SetProcessEndHook([] {});  // no command ends this program

  lumeno::app::TFrmmain main;
  main.show();
  Settle(500);
  shooter.Shot(&main, u"TFrmmain-start"_s);

  // A name analysis and an eight-character chart in the main window.
  main.NameA->setText(u"张"_s);
  main.NameB->setText(u"三"_s);
  main.SYear->setEditText(u"1980"_s);
  auto press = [&](const QString& caption) {
    for (QPushButton* b : main.findChildren<QPushButton*>())
      if (b->text() == caption) b->click();
    Settle();
  };
  press(u"姓名详解"_s);
  shooter.Shot(&main, u"TFrmmain"_s);
  press(u"八字分析"_s);
  shooter.Shot(&main, u"TFrmmain-bazi"_s);

  // The name-analysis window, as the naming window opens it for a name.
  lumeno::numerology::OpenNameAnalysis(&main, "张", "男", "1980", "三", 0, "0", "子 0", "1", "1");

  // Every menu entry and panel button, except those that end the program.
  std::vector<QAction*> entries;
  for (QAction* a : main.menuBar()->actions())
    if (a->menu()) CollectEntries(a->menu(), entries);
  std::vector<std::function<void()>> commands;
  for (QAction* a : entries)
    if (a->text() != u"退出系统"_s) commands.push_back([a] { a->trigger(); });
  for (const char16_t* panel : {u"UpperPanel", u"SidePanel", u"BottomPanel"}) {
    QWidget* box = main.findChild<QWidget*>(QString::fromUtf16(panel));
    if (!box) continue;
    for (QPushButton* b : box->findChildren<QPushButton*>())
      if (b->text() != u"退出"_s) commands.push_back([b] { b->click(); });
  }
  for (const auto& command : commands) {
    const QSet<QWidget*> before = VisibleWindows();
    command();
    Settle(150);
    // Windows that are not modal stay up: take and close them.
    for (QWidget* w : VisibleWindows()) {
      if (before.contains(w)) continue;
      Settle(150);
      shooter.Shot(w);
      QPointer<QWidget> gone(w);
      w->close();
      if (gone && !gone->testAttribute(Qt::WA_DeleteOnClose)) gone->deleteLater();
    }
    Settle(50);
  }
  std::fflush(stdout);
  // Windows and connections go with the process, as when the program ends.
  lumeno::app::SetProcessEndHook({});
  lumeno::app::EndProcessNow();
  return 0;
}
