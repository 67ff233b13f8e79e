#pragma once
// The article window TFrmNote: a tool row (打印, 设置.., 关闭) over a
// rich-text pane holding one article of table Noter. Not modal: every
// article command opens one more.
#include <QWidget>
#include <memory>
#include <string>

#include "app/text_pane.h"

class QPushButton;
class QTextEdit;

namespace lumeno::fortune {

class TFrmNote : public QWidget {
  Q_OBJECT

 public:
  explicit TFrmNote(QWidget* parent = nullptr);
  ~TFrmNote() override;

  QTextEdit* RichEdit1 = nullptr;  // the article; editable, nothing is kept
  app::RichTextPane& Pane() { return *pane_; }

  // The tool row's commands.
  // 打印: the article through the system's print dialog, under its title.
  virtual void CmdPrint();
  // 设置..: the page setup of the program's printer.
  virtual void CmdPrintSetup();
  void CmdClose();

 private:
  std::unique_ptr<app::RichTextPane> pane_;
};

// Creates an article window, fills it with the article `code` and its title
// as the caption (GBK), shows it and returns without waiting; the window
// deletes itself when closed. When the articles cannot be read no window is
// shown and lumeno::CommandCancelled ends the command.
TFrmNote* ShowArticle(const std::string& code, QWidget* parent);

}  // namespace lumeno::fortune
