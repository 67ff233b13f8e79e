#include "app/links.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/artwork.h"
#include "app/look.h"
#include "app/ui_services.h"

using namespace Qt::StringLiterals;

namespace lumeno::app {

QString LinkAddress(const QUrl& url) {
  if (url.scheme() == u"mailto"_s) return url.path();
  return url.toString();
}

void OpenLink(QWidget* parent, const QUrl& url) {
  // The answer may come after the command has ended: the window it names
  // as parent may be gone by then.
  QPointer<QWidget> owner(parent);
  Ui().OpenUrl(url, [owner, url] { ShowUnopenedLink(owner.data(), url); });
}

void ShowUnopenedLink(QWidget* parent, const QUrl& url) {
  const bool mail = url.scheme() == u"mailto"_s;
  QDialog box(parent);
  box.setObjectName(u"LinkFailure"_s);
  box.setWindowTitle(u"无法打开链接"_s);
  box.setWindowIcon(AppIcon());
  box.setFont(ProgramFont());
  auto* layout = new QVBoxLayout(&box);
  layout->setContentsMargins(18, 16, 18, 12);
  layout->setSpacing(10);
  auto* text = new QLabel(&box);
  text->setWordWrap(true);
  text->setFixedWidth(380);
  text->setText(mail ? u"这台电脑上没有找到可以发送邮件的程序。请复制下面的邮件地址，"
                       u"在您常用的邮箱中给我们写信："_s
                     : u"这台电脑上没有找到可以打开网页的浏览器。请复制下面的网址，"
                       u"粘贴到浏览器的地址栏中打开："_s);
  layout->addWidget(text);
  auto* row = new QHBoxLayout();
  auto* address = new QLineEdit(LinkAddress(url), &box);
  address->setObjectName(u"Address"_s);
  address->setReadOnly(true);
  address->selectAll();
  row->addWidget(address, 1);
  auto* copy = new QPushButton(u"复制"_s, &box);
  copy->setObjectName(u"Copy"_s);
  copy->setAutoDefault(false);
  QObject::connect(copy, &QPushButton::clicked, address, [address] {
    QApplication::clipboard()->setText(address->text());
    address->selectAll();
  });
  row->addWidget(copy);
  layout->addLayout(row);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &box);
  buttons->button(QDialogButtonBox::Close)->setText(u"关闭"_s);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &box, &QDialog::reject);
  layout->addWidget(buttons);
  address->setFocus();
  Ui().RunModal(box);
}

}  // namespace lumeno::app
