// SPDX-License-Identifier: MIT
// Turns one of the program's XPM window icons into the PNG the desktop's icon theme
// wants, so the installed icons always follow platform/icons/.
//
//     orvalin_png_icon SIZE INPUT.xpm OUTPUT.png
//
// SIZE is the pixel size the theme folder promises (16 for 16x16/apps); an XPM of any
// other size is refused rather than installed under the wrong folder.
#include <QImage>
#include <QString>
#include <cstdio>

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: %s SIZE INPUT.xpm OUTPUT.png\n", argv[0]);
    return 2;
  }
  bool size_ok = false;
  const int size = QString::fromLocal8Bit(argv[1]).toInt(&size_ok);
  if (!size_ok || size <= 0) {
    std::fprintf(stderr, "%s: size '%s' is not a positive whole number\n", argv[0], argv[1]);
    return 2;
  }
  QImage image;
  if (!image.load(QString::fromLocal8Bit(argv[2]), "XPM")) {
    std::fprintf(stderr, "%s: cannot read %s as XPM\n", argv[0], argv[2]);
    return 1;
  }
  if (image.width() != size || image.height() != size) {
    std::fprintf(stderr, "%s: %s is %dx%d, not %dx%d\n", argv[0], argv[2], image.width(), image.height(), size,
                 size);
    return 1;
  }
  // The XPM's "None" colour becomes the PNG's transparency.
  if (!image.convertToFormat(QImage::Format_ARGB32).save(QString::fromLocal8Bit(argv[3]), "PNG")) {
    std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[3]);
    return 1;
  }
  return 0;
}
