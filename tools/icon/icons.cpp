// Writes the icon that the program paints as hicolor PNG files:
//   lumeno-icons OUTDIR   ->  OUTDIR/<n>x<n>/apps/lumeno.png
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <cstdio>

#include "app/artwork.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: lumeno-icons OUTDIR\n");
    return 2;
  }
  const QString out = QString::fromLocal8Bit(argv[1]);
  for (int side : {16, 24, 32, 48, 64, 128, 256}) {
    const QString dir = QStringLiteral("%1/%2x%2/apps").arg(out).arg(side);
    QDir().mkpath(dir);
    const QPixmap pm = lumeno::app::AppIcon().pixmap(side, side);
    if (pm.width() != side || !pm.save(dir + QStringLiteral("/lumeno.png"))) {
      std::fprintf(stderr, "lumeno-icons: cannot write the %d pixel icon\n", side);
      return 1;
    }
  }
  return 0;
}
