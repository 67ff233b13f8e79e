#pragma once
// The boundary between the GBK logic text and the windows' QString.
#include <QString>
#include <string>
#include <string_view>

namespace lumeno {

QString GbkToQString(std::string_view gbk);
std::string QStringToGbk(const QString& text);

}  // namespace lumeno
