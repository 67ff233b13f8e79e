#pragma once
// The report panes of the windows: lumeno::Pane over a read-only text
// widget, one GBK line per paragraph.
#include <string>
#include <vector>

#include "core/pane.h"

class QPlainTextEdit;
class QTextEdit;
class QTextDocument;
class QWidget;

namespace lumeno::app {

// The pane over a text widget. It keeps its own count of lines, because a
// text document cannot tell an empty pane from a pane holding one empty line.
class TextPaneBase : public Pane {
 public:
  void ClearPane() override;
  void AppendLine(const std::string& gbkLine) override;
  // Brings the first line into view with the caret at its start; the
  // content is unchanged. An empty pane is left as it is.
  void ScrollPaneToTop() override;

  // The lines as GBK texts, and their replacement in one step.
  std::vector<std::string> Lines() const;
  void SetLines(const std::vector<std::string>& gbkLines);
  int LineCount() const { return lines_; }
  // Counts the times the pane was cleared or given new lines, so a window
  // can tell whether a command has put a new report in it.
  int Generation() const { return generation_; }

 protected:
  virtual QTextDocument* Document() const = 0;
  virtual void MoveCaretToStart() = 0;

 private:
  int lines_ = 0;
  int generation_ = 0;
};

// The main window's pane: a plain-text edit, hidden until a report shows it.
class PlainTextPane : public TextPaneBase {
 public:
  explicit PlainTextPane(QPlainTextEdit* edit) : edit_(edit) {}
  void ShowPane() override;
  QPlainTextEdit* Widget() const { return edit_; }

 protected:
  QTextDocument* Document() const override;
  void MoveCaretToStart() override;

 private:
  QPlainTextEdit* edit_;
};

// The name-analysis window's pane: a rich-text edit holding plain text,
// always visible.
class RichTextPane : public TextPaneBase {
 public:
  explicit RichTextPane(QTextEdit* edit) : edit_(edit) {}
  QTextEdit* Widget() const { return edit_; }

 protected:
  QTextDocument* Document() const override;
  void MoveCaretToStart() override;

 private:
  QTextEdit* edit_;
};

// Gives a read-only report widget the look of the program's report panes:
// pale green ground (F6 FF EE), the selection shown while the pane does not
// have the focus, no context menu.
void StyleReportWidget(QWidget* edit);

}  // namespace lumeno::app
