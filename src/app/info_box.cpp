#include "app/info_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include "core/qt/qtext.h"

using namespace Qt::StringLiterals;

namespace lumeno::app {

void InfoMessageBox::ShowInfo(const std::string& gbkText) {
  QWidget* parent = QApplication::activeModalWidget();
  if (!parent) parent = QApplication::activeWindow();
  if (!parent) parent = fallbackParent_;
  QMessageBox box(QMessageBox::Information, u"提示"_s, GbkToQString(gbkText), QMessageBox::Ok, parent);
  box.button(QMessageBox::Ok)->setText(u"确定"_s);
  box.exec();
}

}  // namespace lumeno::app
