#include "main_window/window_metrics.h"

#include <QFile>
#include <QFontDatabase>

namespace kvo {
namespace {

constexpr auto kDefaultFamily = "MS Sans Serif";
// Debian's fonts-wine ships "MS Sans Serif" only as bitmaps of 13, 16 and 20 pixels, which
// cannot follow the screen's scale. Its scalable Tahoma is the same design and covers Czech.
constexpr auto kScalableFaces = {"/usr/share/wine/fonts/tahoma.ttf",
                                 "/usr/share/wine/fonts/tahomabd.ttf"};

}  // namespace

void LoadWindowFonts() {
  for (const char* face : kScalableFaces) {
    if (QFile::exists(face)) QFontDatabase::addApplicationFont(face);
  }
}

QFont DefaultWindowFont() {
  QFont font;
  // A scalable "MS Sans Serif" where one is installed, else Tahoma, else a sans family.
  font.setFamilies({kDefaultFamily, "Tahoma", "DejaVu Sans", "Sans Serif"});
  font.setPointSizeF(8.25);
  return font;
}

}  // namespace kvo
