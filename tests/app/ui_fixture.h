#pragma once
// What the window tests share: a recorder in place of every dialog and of
// the end of the process, and fixture databases for the name report.
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QThread>
#include <QPrinter>
#include <QString>
#include <QUrl>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/app_end.h"
#include "app/ui_services.h"
#include "data/info.h"
#include "support/fixture_db.h"

namespace lumeno::testing {

class FakeUi : public app::UiServices {
 public:
  struct SaveRequest {
    QString title, filter, suggested;
  };

  std::optional<QString> ChooseFileToOpen(QWidget*) override {
    ++openRequests;
    return openChoice;
  }
  std::optional<QString> ChooseFileToSave(QWidget*, const QString& title, const QString& filter,
                                          const QString& suggested) override {
    saveRequests.push_back({title, filter, suggested});
    return saveChoice;
  }
  void ShowError(QWidget*, const QString& message) override { errors.push_back(message); }
  // The window is shown (its show handler runs), handed to `whileShown`,
  // then hidden again, as if the user had closed it.
  int RunModal(QDialog& dialog) override {
    modalTitles.push_back(dialog.windowTitle());
    dialog.show();
    QApplication::processEvents();
    if (whileShown) whileShown(dialog);
    dialog.hide();
    return 0;
  }
  // A link opens unless `urlOpens` is false, which answers as a desktop
  // without a browser or mail program does.
  void OpenUrl(const QUrl& url, std::function<void()> failed) override {
    urls.push_back(url);
    if (!urlOpens && failed) failed();
  }
  // The print dialog: with `printTo` set, the user picks printing into that
  // PDF file; else the user cancels.
  bool ChoosePrinter(QWidget*, QPrinter& printer) override {
    ++printRequests;
    if (!printTo) return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(*printTo);
    return true;
  }
  // The page setup dialog: `pageSetup` plays the user's choices.
  bool SetUpPage(QWidget*, QPrinter& printer) override {
    ++pageSetups;
    if (!pageSetup) return false;
    pageSetup(printer);
    return true;
  }

  std::optional<QString> openChoice;
  std::optional<QString> saveChoice;
  int openRequests = 0;
  std::vector<SaveRequest> saveRequests;
  std::vector<QString> errors;
  std::vector<QString> modalTitles;
  std::vector<QUrl> urls;
  bool urlOpens = true;
  std::optional<QString> printTo;
  int printRequests = 0;
  std::function<void(QPrinter&)> pageSetup;
  int pageSetups = 0;
  std::function<void(QDialog&)> whileShown;
};

// Installs the recorders for the life of a test; the process end only
// counts.
class UiRecorders {
 public:
  UiRecorders() : ui_(&ui), info_(&info) {
    app::SetProcessEndHook([this] { ++processEnds; });
  }
  ~UiRecorders() { app::SetProcessEndHook({}); }

  FakeUi ui;
  data::RecordingInfoSink info;
  int processEnds = 0;

 private:
  app::ScopedUiServices ui_;
  data::ScopedInfoSink info_;
};

}  // namespace lumeno::testing

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include "core/gbk.h"
#include "core/text.h"
#include "data/stored_text.h"

namespace lumeno::testing {

// Reference rows enough for full reports of 张三 (11 + 3 strokes: heaven 12,
// person 14, earth 4, total 14, outer 2; three talents 木火火) and 李四.
inline void CreateReportDatabases(const std::string& dir, bool withTalentRecord = true) {
  CreateFixtureDatabase(dir, data::DatabaseFile::Roruroz,
                        {GbkToUtf8("INSERT INTO word(zi, ft, bh) VALUES ('张', '張', 11)"),
                         GbkToUtf8("INSERT INTO word(zi, ft, bh) VALUES ('三', '三', 3)"),
                         GbkToUtf8("INSERT INTO word(zi, ft, bh) VALUES ('李', '李', 7)"),
                         GbkToUtf8("INSERT INTO word(zi, ft, bh) VALUES ('四', '四', 5)")});
  std::vector<std::string> velFile;
  for (int n : {2, 4, 8, 12, 14}) {
    velFile.push_back(StrFormat(
        "INSERT INTO \"81\"(num, yy, jx, \"as\", content) VALUES (%d, '%s%d', '%s', '%s%d', '')", n,
        GbkToUtf8("数理读法").c_str(), n, n % 4 == 0 ? GbkToUtf8("（凶）").c_str() : GbkToUtf8("（吉）").c_str(),
        GbkToUtf8("数理暗示").c_str(), n));
  }
  velFile.push_back("INSERT INTO sancai(title, djc, content) VALUES ('" + GbkToUtf8("木火火") + "', 1, '" +
                    data::EncodeStoredText("木火通明，顺风顺水。") + "')");
  if (withTalentRecord) {
    velFile.push_back(GbkToUtf8(
        "INSERT INTO sancai2009(title, yy, jcy, jx1, cgy, jx2, rjgx, jx3, xg) VALUES "
        "('木火火', ' 木火相生 ', '基础稳固', '（吉）', '成功顺利', '（吉）', '人缘和睦', '（吉）', '性情开朗')"));
  }
  CreateFixtureDatabase(dir, data::DatabaseFile::VelFile, velFile);
}

// The button of `window` with this caption (nullptr when there is none).
inline QPushButton* ButtonCaptioned(QWidget& window, const QString& caption) {
  for (QPushButton* b : window.findChildren<QPushButton*>())
    if (b->text() == caption) return b;
  return nullptr;
}

// The entry of a menu of the menu bar, by the captions of the path.
inline QAction* MenuEntry(QMenuBar* bar, const QStringList& path) {
  QList<QAction*> actions = bar->actions();
  QAction* found = nullptr;
  for (const QString& caption : path) {
    found = nullptr;
    for (QAction* a : actions)
      if (a->text() == caption) found = a;
    if (!found) return nullptr;
    if (found->menu()) actions = found->menu()->actions();
  }
  return found;
}

// Runs the event loop until `condition` holds or `ms` milliseconds have
// passed; true when it holds. (Qt's QTRY_ macros report to QTest, not to
// GoogleTest.)
template <class F>
bool WaitUntil(F condition, int ms) {
  QElapsedTimer timer;
  timer.start();
  while (!condition()) {
    if (timer.elapsed() > ms) return false;
    QApplication::processEvents(QEventLoop::AllEvents, 20);
    QThread::msleep(10);
  }
  return true;
}

// What a test can read from a PDF file that Qt wrote, without any PDF tool:
// its pages, the size of its first page in points and its title.
struct PdfSummary {
  bool isPdf = false;
  int pages = 0;
  double width = 0, height = 0;
  QString title;
};
inline PdfSummary ReadPdf(const std::string& path) {
  PdfSummary pdf;
  std::string bytes;
  if (FILE* f = std::fopen(path.c_str(), "rb")) {
    char buffer[65536];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) bytes.append(buffer, n);
    std::fclose(f);
  }
  pdf.isPdf = bytes.rfind("%PDF-", 0) == 0 && bytes.find("%%EOF") != std::string::npos;
  for (std::size_t at = bytes.find("/Type /Page"); at != std::string::npos; at = bytes.find("/Type /Page", at + 1))
    if (at + 11 < bytes.size() && bytes[at + 11] != 's') ++pdf.pages;
  if (std::size_t at = bytes.find("/MediaBox ["); at != std::string::npos)
    std::sscanf(bytes.c_str() + at, "/MediaBox [0 0 %lf %lf]", &pdf.width, &pdf.height);
  // The title: a literal string of UTF-16 code units after a byte-order mark.
  if (std::size_t at = bytes.find("/Title ("); at != std::string::npos) {
    std::string raw;
    for (std::size_t i = at + 8; i < bytes.size() && bytes[i] != ')'; ++i) raw += bytes[i] == '\\' ? bytes[++i] : bytes[i];
    for (std::size_t i = 2; i + 1 < raw.size(); i += 2)
      pdf.title += QChar(static_cast<char16_t>((static_cast<unsigned char>(raw[i]) << 8) | static_cast<unsigned char>(raw[i + 1])));
  }
  return pdf;
}

// Narrow literals are GBK: U() shows them as UTF-8, like Utf8Lines.
inline std::string U(const std::string& gbk) { return GbkToUtf8(gbk); }
inline std::vector<std::string> U(std::initializer_list<std::string> gbk) {
  std::vector<std::string> out;
  for (const std::string& l : gbk) out.push_back(GbkToUtf8(l));
  return out;
}

inline std::vector<std::string> Utf8Lines(const std::vector<std::string>& gbk) {
  std::vector<std::string> out;
  for (const std::string& l : gbk) out.push_back(GbkToUtf8(l));
  return out;
}

}  // namespace lumeno::testing
