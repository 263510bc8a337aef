// Shared by both windows: layouts are written in twips, and the windows' fonts.
#pragma once

#include <QFont>
#include <QLabel>
#include <QRect>
#include <QSize>

namespace kvo {

// 15 twips make one logical pixel (1440 twips to an inch at 96 dpi). Qt's device-pixel
// scaling then serves HiDPI screens.
inline constexpr int kTwipsPerPixel = 15;

constexpr int Twips(int twips) {
  return twips / kTwipsPerPixel;
}
constexpr QRect TwipsRect(int left, int top, int width, int height) {
  return QRect(Twips(left), Twips(top), Twips(width), Twips(height));
}
constexpr QSize TwipsSize(int width, int height) {
  return QSize(Twips(width), Twips(height));
}

// Makes a scalable face for "MS Sans Serif" from Debian's fonts-wine known to Qt when installed,
// and otherwise lets fontconfig substitute a sans family. Call once, after QApplication exists.
void LoadWindowFonts();

// "MS Sans Serif", 8.25 pt: the windows' default font.
QFont DefaultWindowFont();

// Narrows a label's font just enough for its caption to fit the box, wrapped when the label
// wraps: the layouts' boxes were sized for a narrower face than the scalable ones at hand.
void FitCaption(QLabel* label);

}  // namespace kvo
