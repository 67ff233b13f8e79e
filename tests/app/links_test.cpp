// Links of the periphery: the desktop's opener and its answer when nothing
// can open a link, the window that then shows the address to copy, and the
// clickable addresses of the service window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <memory>

#include "app/Unt_Main.h"
#include "app/links.h"
#include "ui_fixture.h"

using namespace Qt::StringLiterals;

namespace lumeno::app {
namespace {

// Puts a folder of our own in place of PATH for the life of a test, and
// takes BROWSER away, so the test decides what opener the desktop has.
class ScopedPath {
 public:
  explicit ScopedPath(const std::string& folder) : path_(qgetenv("PATH")), browser_(qgetenv("BROWSER")) {
    qputenv("PATH", QByteArray::fromStdString(folder));
    qunsetenv("BROWSER");
  }
  ~ScopedPath() {
    qputenv("PATH", path_);
    if (!browser_.isNull()) qputenv("BROWSER", browser_);
  }

 private:
  QByteArray path_, browser_;
};

void WriteScript(const std::string& path, const std::string& body) {
  std::ofstream(path) << "#!/bin/sh\n" << body << "\n";
  std::filesystem::permissions(path, std::filesystem::perms::owner_all);
}

TEST(DesktopLinks, TheOpenersAnswerDecidesWhetherTheUserIsTold) {
  lumeno::testing::TempDir dir{"lumeno-links"};
  const std::string log = dir.path() + "/opened";
  struct Case {
    const char* what;
    const char* script;  // nullptr: no xdg-open at all
    bool failed;
  } cases[] = {
      {"the opener finds a program", "echo \"$1\" > '%LOG%.part'; /bin/mv '%LOG%.part' '%LOG%'; exit 0", false},
      {"the opener finds nothing for the link", "echo \"$1\" > '%LOG%.part'; /bin/mv '%LOG%.part' '%LOG%'; exit 3", true},
      {"no opener and no browser", nullptr, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::filesystem::remove(dir.path() + "/xdg-open");
    std::filesystem::remove(log);
    if (c.script) {
      // The script writes its log aside and renames it, so the test never
      // reads a log that is created but not yet written.
      std::string body = c.script;
      for (std::size_t at; (at = body.find("%LOG%")) != std::string::npos;) body.replace(at, 5, log);
      WriteScript(dir.path() + "/xdg-open", body);
    }
    ScopedPath path(dir.path());
    bool failed = false, answered = !c.script;
    DesktopUiServices desktop;
    desktop.OpenUrl(QUrl(u"https://lumeno.example.org/a b"_s), [&] { failed = true; });
    if (c.script) {
      // The opener runs on its own; its answer comes when it ends.
      answered = lumeno::testing::WaitUntil([&] { return std::filesystem::exists(log); }, 5000);
      std::ifstream in(log);
      std::string opened;
      std::getline(in, opened);
      EXPECT_EQ(opened, "https://lumeno.example.org/a%20b");
    }
    EXPECT_TRUE(answered);
    if (c.failed) {
      EXPECT_TRUE(lumeno::testing::WaitUntil([&] { return failed; }, 5000));
    } else {
      lumeno::testing::WaitUntil([&] { return failed; }, 500);  // time for a wrong answer to arrive
      EXPECT_FALSE(failed);
    }
  }
}

class LinkWindows : public ::testing::Test {
 protected:
  void SetUp() override {
    window = std::make_unique<TFrmmain>();
    window->show();
    QApplication::processEvents();
  }
  lumeno::testing::UiRecorders recorders;
  std::unique_ptr<TFrmmain> window;
};

TEST_F(LinkWindows, ALinkThatCannotOpenShowsTheAddressToCopy) {
  recorders.ui.urlOpens = false;
  struct Case {
    QStringList entry;
    QString address;
  } cases[] = {
      {{u"帮助(&H)"_s, u"公司主页"_s}, u"https://lumeno.example.org/"_s},
      {{u"服务(&V)"_s, u"给我们发邮件"_s}, u"service@lumeno.example.org"_s},
      {{u"服务(&V)"_s, u"与QQ对话"_s}, u"https://lumeno.example.org/chat"_s},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.address.toStdString());
    recorders.ui.modalTitles.clear();
    QString shown, copied;
    recorders.ui.whileShown = [&](QDialog& d) {
      auto* address = d.findChild<QLineEdit*>(u"Address"_s);
      ASSERT_NE(address, nullptr);
      EXPECT_TRUE(address->isReadOnly());
      shown = address->text();
      QApplication::clipboard()->clear();
      d.findChild<QPushButton*>(u"Copy"_s)->click();
      copied = QApplication::clipboard()->text();
    };
    lumeno::testing::MenuEntry(window->menuBar(), c.entry)->trigger();
    EXPECT_EQ(recorders.ui.modalTitles, std::vector<QString>{u"无法打开链接"_s});
    EXPECT_EQ(shown, c.address);
    EXPECT_EQ(copied, c.address);
  }
  // A link that opens shows nothing.
  recorders.ui.urlOpens = true;
  recorders.ui.modalTitles.clear();
  lumeno::testing::ButtonCaptioned(*window, u"官方网站"_s)->click();
  EXPECT_TRUE(recorders.ui.modalTitles.empty());
  EXPECT_EQ(recorders.ui.urls.back(), QUrl(u"https://lumeno.example.org/"_s));
}

TEST_F(LinkWindows, TheServiceWindowsAddressesAreLinks) {
  recorders.ui.whileShown = [&](QDialog& d) {
    auto* contacts = d.findChild<QLabel*>(u"Contacts"_s);
    ASSERT_NE(contacts, nullptr);
    EXPECT_TRUE(contacts->textInteractionFlags() & Qt::LinksAccessibleByMouse);
    EXPECT_TRUE(contacts->text().contains(u"href=\"mailto:service@lumeno.example.org\""_s));
    EXPECT_TRUE(contacts->text().contains(u"href=\"https://lumeno.example.org/\""_s));
    // The user clicks the mail address.
    emit contacts->linkActivated(u"mailto:service@lumeno.example.org"_s);
  };
  lumeno::testing::ButtonCaptioned(*window, u"人工起名"_s)->click();
  EXPECT_EQ(recorders.ui.modalTitles, std::vector<QString>{u"人工起名服务"_s});
  EXPECT_EQ(recorders.ui.urls, std::vector<QUrl>{QUrl(u"mailto:service@lumeno.example.org"_s)});
}

}  // namespace
}  // namespace lumeno::app
