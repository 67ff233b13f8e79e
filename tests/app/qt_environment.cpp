// One QApplication for the whole test program, on the offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "app/look.h"

namespace {

QtMessageHandler standardHandler = nullptr;

// The offscreen platform cannot pass fixed window sizes on; its notice about
// that says nothing about the program.
void QuietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.contains(QStringLiteral("propagateSizeHints"))) return;
  if (standardHandler) standardHandler(type, context, message);
  else std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

class QtEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    standardHandler = qInstallMessageHandler(QuietHandler);
    app_ = std::make_unique<QApplication>(argc_, argv_);
    QApplication::setFont(lumeno::app::ProgramFont());
  }
  void TearDown() override { app_.reset(); }

 private:
  int argc_ = 1;
  char name_[16] = "test_app";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QApplication> app_;
};

const ::testing::Environment* const kQtEnvironment = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace
