#pragma once
// The program's font and the window flags its windows share.
#include <QFont>

namespace lumeno::app {

// Maps the Windows font names the windows ask for (宋体, SimSun) to the CJK
// font installed with the program's set-up. Safe to call more than once.
void InstallFontSubstitutions();

// 宋体 at 12 pixels: the font of every window.
QFont ProgramFont();

}  // namespace lumeno::app
