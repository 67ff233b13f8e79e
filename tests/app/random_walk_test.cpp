// The random walk: every window of the switchboard is opened and driven by
// 10,000 random clicks, keys, texts, choices and menu commands from a fixed
// seed, as an impatient user might. Modal windows go through Ui().RunModal,
// which here drives the window for a few random steps and then closes it, so
// nothing ever blocks. The walk fails on a crash (the sanitizers stop it), on
// any general error box, and on a window stuck in an event loop of its own
// (a watchdog notices that the walk no longer advances).
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <cstdio>
#include <memory>
#include <random>

#include "app/Unt_Main.h"
#include "ui_fixture.h"

using namespace Qt::StringLiterals;

namespace lumeno::app {
namespace {

constexpr int kSteps = 10000;
constexpr std::uint32_t kSeed = 20261210;

class Walk;

// The services of the walk: modal windows are driven, not waited on; the
// file dialogs are cancelled, links and printing only recorded.
class WalkUi : public testing::FakeUi {
 public:
  explicit WalkUi(Walk& walk) : walk_(walk) {}
  int RunModal(QDialog& dialog) override;

 private:
  Walk& walk_;
};

class Walk {
 public:
  Walk() : ui_(*this), services_(&ui_), info_(&infoSink_) {
    SetProcessEndHook([this] { ++ends_; });
  }
  ~Walk() { SetProcessEndHook({}); }

  void Run(TFrmmain& main) {
    main_ = &main;
    QTimer watchdog;
    int seen = -1;
    QElapsedTimer still;
    still.start();
    // Runs in every event loop, nested ones included: a step that does not
    // come back means a window waits for the user outside Ui().RunModal.
    QObject::connect(&watchdog, &QTimer::timeout, [&] {
      if (steps_ != seen) {
        seen = steps_;
        still.restart();
        return;
      }
      if (still.elapsed() < 20000) return;
      QWidget* stuck = QApplication::activeModalWidget();
      ADD_FAILURE() << "the walk stopped at step " << steps_ << " (" << last_ << ")"
                    << (stuck ? " in the modal window " + std::string(stuck->metaObject()->className()) : std::string());
      if (stuck) stuck->close();
      still.restart();
    });
    watchdog.start(1000);
    while (steps_ < kSteps) Step(nullptr, 0);
    CloseAll();
  }

  // One random step on `modal` (a window run through RunModal) or, without
  // one, on the main window or one of the other windows that are open.
  void Step(QDialog* modal, int depth) {
    ++steps_;
    if (!main_->isVisible()) main_->show();  // closing it only counts an end here
    QWidget* target = modal ? static_cast<QWidget*>(modal) : PickWindow();
    const int kind = Pick(100);
    if (!modal && kind < 14) {
      TriggerMenuEntry();
    } else if (kind < 40) {
      ClickButton(target);
    } else if (kind < 60) {
      TypeText(target);
    } else if (kind < 70) {
      ChooseItem(target);
    } else if (kind < 82) {
      PressKey(target);
    } else if (kind < 94) {
      ClickSomewhere(target);
    } else if (!modal && target != main_ && kind < 97) {
      last_ = "close " + Name(target);
      target->close();
    } else {
      ClickItemView(target);
    }
    (void)depth;
    QApplication::processEvents();
  }

  int ModalSteps() { return 3 + Pick(25); }
  int steps() const { return steps_; }
  const std::vector<std::string>& errors() const { return errors_; }
  int ends() const { return ends_; }
  WalkUi& ui() { return ui_; }

  // General error boxes, with the step that caused them.
  void NoteErrors() {
    for (const QString& e : ui_.errors) errors_.push_back(last_ + ": " + e.toStdString());
    ui_.errors.clear();
  }

  int depth = 0;

 private:
  int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
  template <class T>
  T* PickOf(const QList<T*>& list) {
    return list.isEmpty() ? nullptr : list[Pick(static_cast<int>(list.size()))];
  }
  static std::string Name(QWidget* w) {
    return std::string(w->metaObject()->className()) + " '" + w->windowTitle().toStdString() + "'";
  }

  QWidget* PickWindow() {
    QList<QWidget*> windows;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->isVisible() && !qobject_cast<QMenu*>(w) && w->isWindow()) windows << w;
    // The main window is chosen half the time, so the walk keeps opening
    // windows instead of dwelling in the ones it opened.
    if (windows.isEmpty() || Pick(2) == 0) return main_;
    return PickOf(windows);
  }

  template <class T>
  QList<T*> Usable(QWidget* root) {
    QList<T*> out;
    for (T* w : root->findChildren<T*>())
      if (w->isVisible() && w->isEnabled() && w->window() == root) out << w;
    return out;
  }

  void TriggerMenuEntry() {
    QList<QAction*> entries;
    std::function<void(QMenu*)> collect = [&](QMenu* m) {
      for (QAction* a : m->actions()) {
        if (a->menu()) collect(a->menu());
        else if (!a->isSeparator()) entries << a;
      }
    };
    for (QAction* top : main_->menuBar()->actions())
      if (top->menu()) collect(top->menu());
    QAction* a = PickOf(entries);
    last_ = "menu " + a->text().toStdString();
    a->trigger();
    NoteErrors();
  }

  void ClickButton(QWidget* target) {
    QAbstractButton* b = PickOf(Usable<QAbstractButton>(target));
    if (!b) return;
    last_ = "button " + b->text().toStdString() + " of " + Name(target);
    QPointer<QAbstractButton> alive(b);
    b->click();
    NoteErrors();
  }

  QString RandomText() {
    static const char16_t* const kTexts[] = {
        u"张", u"三", u"欧阳", u"明华", u"李四", u"1980", u"2026", u"12", u"13", u"31", u"0", u"-5", u"59", u"60",
        u"abc", u"ZHANG", u"子 0", u"亥 22", u"农历", u"公历", u"男", u"女", u"'", u"\"", u"%", u"_", u"#",
        u"13912345678", u"123456789", u"99999999999999999999", u"1e9", u"2026-12-10", u"１２３", u"\U0001F600",
        u"﹏", u"龘", u"張", u"", u" ", u"\t", u"吉", u"嫁娶", u"a1", u"QM01", u"b13"};
    QString t = QString::fromUtf16(kTexts[Pick(static_cast<int>(std::size(kTexts)))]);
    if (Pick(10) == 0) t = t.repeated(1 + Pick(80));
    return t;
  }

  void TypeText(QWidget* target) {
    QList<QWidget*> fields;
    for (QLineEdit* e : Usable<QLineEdit>(target)) fields << e;
    for (QAbstractSpinBox* s : Usable<QAbstractSpinBox>(target)) fields << s;
    for (QPlainTextEdit* p : Usable<QPlainTextEdit>(target)) fields << p;
    for (QTextEdit* p : Usable<QTextEdit>(target)) fields << p;
    QWidget* f = PickOf(fields);
    if (!f) return;
    const QString text = RandomText();
    last_ = "type '" + text.left(20).toStdString() + "' into " + f->metaObject()->className() + " of " + Name(target);
    f->setFocus();
    if (auto* e = qobject_cast<QLineEdit*>(f); e && Pick(2)) e->clear();
    if (Pick(3) == 0) {
      // As an input method commits it.
      QInputMethodEvent commit;
      commit.setCommitString(text.left(60));
      QApplication::sendEvent(f, &commit);
    } else {
      // Key by key, each carrying its text (QTest::keyClicks knows ASCII
      // only).
      for (const QChar c : text.left(60)) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(f, &press);
        QApplication::sendEvent(f, &release);
      }
    }
    if (Pick(3) == 0) QTest::keyClick(f, Qt::Key_Return);
    NoteErrors();
  }

  void ChooseItem(QWidget* target) {
    QList<QWidget*> choices;
    for (QComboBox* c : Usable<QComboBox>(target)) choices << c;
    for (QTabBar* t : Usable<QTabBar>(target)) choices << t;
    QWidget* w = PickOf(choices);
    if (!w) return;
    if (auto* c = qobject_cast<QComboBox*>(w)) {
      last_ = "choose in a list of " + Name(target);
      if (c->isEditable() && Pick(4) == 0) c->setEditText(RandomText());
      else if (c->count() > 0) c->setCurrentIndex(Pick(c->count()));
    } else if (auto* t = qobject_cast<QTabBar*>(w); t && t->count() > 0) {
      last_ = "tab of " + Name(target);
      t->setCurrentIndex(Pick(t->count()));
    }
    NoteErrors();
  }

  void PressKey(QWidget* target) {
    static const Qt::Key kKeys[] = {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape, Qt::Key_Tab,  Qt::Key_Backtab,
                                    Qt::Key_Up,     Qt::Key_Down,  Qt::Key_Left,   Qt::Key_Right, Qt::Key_PageUp,
                                    Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End,   Qt::Key_Backspace, Qt::Key_Delete,
                                    Qt::Key_Space,  Qt::Key_A,     Qt::Key_5,      Qt::Key_F1};
    QWidget* w = QApplication::focusWidget();
    if (!w || w->window() != target) w = target;
    const Qt::Key key = kKeys[Pick(static_cast<int>(std::size(kKeys)))];
    const Qt::KeyboardModifiers mods = Pick(8) == 0 ? Qt::ControlModifier : Qt::NoModifier;
    last_ = "key " + std::to_string(key) + " in " + Name(target);
    QTest::keyClick(w, key, mods);
    NoteErrors();
  }

  void ClickSomewhere(QWidget* target) {
    QList<QWidget*> all = Usable<QWidget>(target);
    all << target;
    QWidget* w = PickOf(all);
    if (!w || w->width() <= 0 || w->height() <= 0) return;
    const QPoint at(Pick(w->width()), Pick(w->height()));
    last_ = std::string("click in ") + w->metaObject()->className() + " of " + Name(target);
    if (Pick(4) == 0) QTest::mouseDClick(w, Qt::LeftButton, {}, at);
    else QTest::mouseClick(w, Pick(6) == 0 ? Qt::RightButton : Qt::LeftButton, {}, at);
    NoteErrors();
  }

  void ClickItemView(QWidget* target) {
    QAbstractItemView* v = PickOf(Usable<QAbstractItemView>(target));
    if (!v || !v->model() || v->model()->rowCount() == 0) return;
    const QModelIndex index = v->model()->index(Pick(v->model()->rowCount()), 0);
    last_ = std::string("item of ") + v->metaObject()->className() + " in " + Name(target);
    v->setCurrentIndex(index);
    const QRect r = v->visualRect(index);
    if (r.isValid()) QTest::mouseDClick(v->viewport(), Qt::LeftButton, {}, r.center());
    NoteErrors();
  }

  void CloseAll() {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w != main_ && w->isVisible()) w->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
  }

  std::mt19937 rng_{kSeed};
  WalkUi ui_;
  ScopedUiServices services_;
  data::RecordingInfoSink infoSink_;
  data::ScopedInfoSink info_;
  TFrmmain* main_ = nullptr;
  int steps_ = 0;
  int ends_ = 0;
  std::string last_ = "start";
  std::vector<std::string> errors_;
};

int WalkUi::RunModal(QDialog& dialog) {
  modalTitles.push_back(dialog.windowTitle());
  dialog.show();
  QApplication::processEvents();
  // Nested modal windows (a window opened from a modal one) are driven as
  // well, a few levels deep.
  if (walk_.depth < 3) {
    ++walk_.depth;
    for (int n = walk_.ModalSteps(); n > 0 && walk_.steps() < kSteps && dialog.isVisible(); --n)
      walk_.Step(&dialog, walk_.depth);
    --walk_.depth;
  }
  dialog.hide();
  return QDialog::Rejected;
}

TEST(RandomWalk, TenThousandStepsThroughEveryWindow) {
  Walk walk;
  auto main = std::make_unique<TFrmmain>();
  main->show();
  QApplication::processEvents();
  QElapsedTimer clock;
  clock.start();
  walk.Run(*main);
  std::printf("random walk: %d steps in %.1f s, %zu modal windows, %d ends asked for\n", walk.steps(),
              clock.elapsed() / 1000.0, walk.ui().modalTitles.size(), walk.ends());
  EXPECT_EQ(walk.steps(), kSteps);
  for (const std::string& e : walk.errors()) ADD_FAILURE() << "general error box after " << e;
  // Every window the walk opened has been closed again, and the main window
  // still works: a report can be made.
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  main->NameA->setText(u"张"_s);
  main->NameB->setText(u"三"_s);
  main->SYear->setEditText(u"1980"_s);
  main->SMonth->setEditText(u"1"_s);
  main->Sday->setEditText(u"1"_s);
  main->ComDate->setCurrentIndex(0);
  main->Shour->setEditText(u"子 0"_s);
  main->CBFen->setEditText(u"0"_s);
  main->CmdNameAnalysis();
  EXPECT_GT(main->OutputPane().Lines().size(), 10u);
}

}  // namespace
}  // namespace lumeno::app
