#pragma once
// The divination window TFormOnther: seven pages of omen readings by the
// double hour, one visible at a time (no tabs), and below them the hours of
// each double hour. Not modal: every command opens one more.
#include <QWidget>
#include <string>

class QLabel;
class QPlainTextEdit;
class QStackedWidget;

namespace lumeno::fortune {

class TFormOnther : public QWidget {
  Q_OBJECT

 public:
  explicit TFormOnther(QWidget* parent = nullptr);

  QStackedWidget* PageControl1 = nullptr;  // the seven pages
  QLabel* Explanation = nullptr;           // 说明： and the hours

  // The page of kind 0-6 (a text pane each).
  QPlainTextEdit* Page(int page) const;
};

// Creates a divination window with the caption (GBK), shows page 0-6 and
// returns without waiting; the window deletes itself when closed.
TFormOnther* ShowDivination(const std::string& caption, int page, QWidget* parent);

}  // namespace lumeno::fortune
