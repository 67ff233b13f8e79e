#pragma once
// Web and mail links of the periphery (home page, chat, mail, other
// products, the service window's addresses).
#include <QUrl>

class QWidget;

namespace lumeno::app {

// Opens the link with the desktop's browser or mail program. Where nothing
// can open it, the user is told so and shown the address, ready to copy, so
// the command never looks as if it did nothing.
void OpenLink(QWidget* parent, const QUrl& url);

// The address a user would copy for a link: the mail address of a mailto
// link, the whole address of any other.
QString LinkAddress(const QUrl& url);

// The modal window that says the link could not be opened and holds its
// address in a read-only field with a button that copies it.
void ShowUnopenedLink(QWidget* parent, const QUrl& url);

}  // namespace lumeno::app
