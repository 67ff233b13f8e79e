#include "app/look.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace lumeno::app {

void InstallFontSubstitutions() {
  // Zen Hei first, in its Mono face: like 宋体 it gives Latin letters and
  // blanks half the width of a Chinese character, so the columns of the
  // reports line up. The other installed CJK families stand behind it.
  const QStringList cjk = {u"WenQuanYi Zen Hei Mono"_s, u"WenQuanYi Zen Hei"_s, u"Noto Sans CJK SC"_s,
                           u"Noto Serif CJK SC"_s,      u"AR PL UMing CN"_s,    u"Droid Sans Fallback"_s};
  for (const QString& name : {u"宋体"_s, u"SimSun"_s, u"新宋体"_s, u"NSimSun"_s})
    if (QFont::substitutes(name).isEmpty()) QFont::insertSubstitutions(name, cjk);
}

QFont ProgramFont() {
  InstallFontSubstitutions();
  QFont f(u"宋体"_s);
  f.setPixelSize(12);
  return f;
}

}  // namespace lumeno::app
