// quillon-icon: writes the program's icon as a PNG file of the given size, for
// the installed launcher (the icon is drawn by the program, not kept as a file).
#include <QGuiApplication>
#include <QImage>
#include <iostream>

#include "shell/artwork.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: quillon-icon FILE.png SIZE\n";
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const int size = std::atoi(argv[2]);
  if (size < 16 || size > 1024) {
    std::cerr << "quillon-icon: the size must be from 16 to 1024\n";
    return 2;
  }
  if (!quillon::shell::program_icon(size).save(QString::fromLocal8Bit(argv[1]), "PNG")) {
    std::cerr << "quillon-icon: " << argv[1] << " could not be written\n";
    return 1;
  }
  return 0;
}
