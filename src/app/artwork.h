#pragma once
// The program's pictures, painted by code: the background of the main
// window's output area and the application icon.
#include <QIcon>
#include <QPixmap>
#include <QSize>

namespace lumeno::app {

// The output area's background at the given size: a paper-coloured ground
// shading into pale jade, a band of wave arcs, a red seal emblem, the
// program's name and a line of guidance.
QPixmap PaintBackground(const QSize& size);

// The application icon: a small red seal.
QIcon AppIcon();

}  // namespace lumeno::app
