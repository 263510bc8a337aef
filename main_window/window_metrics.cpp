#include "main_window/window_metrics.h"

#include <QFile>
#include <QFontDatabase>

namespace kvo {
namespace {

constexpr auto kDefaultFamily = "MS Sans Serif";
constexpr auto kWineSansSerif = "/usr/share/wine/fonts/ms_sans_serif.ttf";

}  // namespace

void LoadWindowFonts() {
  if (QFile::exists(kWineSansSerif)) QFontDatabase::addApplicationFont(kWineSansSerif);
  // Without the font, fontconfig's sans family stands in.
  QFont::insertSubstitutions(kDefaultFamily, {"DejaVu Sans", "Sans Serif"});
}

QFont DefaultWindowFont() {
  QFont font(kDefaultFamily);
  font.setPointSizeF(8.25);
  return font;
}

}  // namespace kvo
