#include "app/text_pane.h"

#include <QPalette>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include "core/qt/qtext.h"

using namespace Qt::StringLiterals;

namespace lumeno::app {

void TextPaneBase::ClearPane() {
  Document()->clear();
  lines_ = 0;
  ++generation_;
}

void TextPaneBase::AppendLine(const std::string& gbkLine) {
  QTextDocument* doc = Document();
  QTextCursor cursor(doc);
  cursor.movePosition(QTextCursor::End);
  if (lines_ > 0) cursor.insertBlock();
  // A text with its own line breaks becomes several lines, as in a memo.
  QString text = GbkToQString(gbkLine);
  text.replace(u"\r\n"_s, u"\n"_s);
  text.replace(u'\r', u'\n');
  cursor.insertText(text);
  lines_ += 1 + static_cast<int>(text.count(u'\n'));
}

void TextPaneBase::ScrollPaneToTop() {
  if (lines_ == 0) return;
  MoveCaretToStart();
}

std::vector<std::string> TextPaneBase::Lines() const {
  std::vector<std::string> out;
  if (lines_ == 0) return out;
  out.reserve(static_cast<std::size_t>(lines_));
  for (QTextBlock b = Document()->begin(); b.isValid(); b = b.next()) out.push_back(QStringToGbk(b.text()));
  return out;
}

void TextPaneBase::SetLines(const std::vector<std::string>& gbkLines) {
  QTextDocument* doc = Document();
  doc->clear();
  lines_ = 0;
  ++generation_;
  QTextCursor cursor(doc);
  cursor.beginEditBlock();
  for (const std::string& line : gbkLines) {
    if (lines_ > 0) cursor.insertBlock();
    cursor.insertText(GbkToQString(line));
    ++lines_;
  }
  cursor.endEditBlock();
}

void PlainTextPane::ShowPane() { edit_->setVisible(true); }

QTextDocument* PlainTextPane::Document() const { return edit_->document(); }

void PlainTextPane::MoveCaretToStart() {
  edit_->moveCursor(QTextCursor::Start);
  edit_->ensureCursorVisible();
  edit_->verticalScrollBar()->setValue(0);
  edit_->horizontalScrollBar()->setValue(0);
}

QTextDocument* RichTextPane::Document() const { return edit_->document(); }

void RichTextPane::MoveCaretToStart() {
  edit_->moveCursor(QTextCursor::Start);
  edit_->ensureCursorVisible();
  edit_->verticalScrollBar()->setValue(0);
  edit_->horizontalScrollBar()->setValue(0);
}

void StyleReportWidget(QWidget* edit) {
  QPalette pal = edit->palette();
  const QColor ground(0xF6, 0xFF, 0xEE);
  for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    pal.setColor(g, QPalette::Base, ground);
    pal.setColor(g, QPalette::Text, Qt::black);
  }
  // Keep the selection visible when the pane loses the focus.
  pal.setColor(QPalette::Inactive, QPalette::Highlight, pal.color(QPalette::Active, QPalette::Highlight));
  pal.setColor(QPalette::Inactive, QPalette::HighlightedText, pal.color(QPalette::Active, QPalette::HighlightedText));
  edit->setPalette(pal);
  edit->setContextMenuPolicy(Qt::NoContextMenu);
}

}  // namespace lumeno::app
