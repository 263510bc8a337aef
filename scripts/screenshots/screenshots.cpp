// Saves pictures of the windows for the README and for a person to look at.
// Usage: screenshots OUTPUT_DIR SUFFIX   (run with QT_QPA_PLATFORM=offscreen, QT_SCALE_FACTOR)
#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QPushButton>

#include "main_window/tavfram1.h"
#include "main_window/window_metrics.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  if (argc < 3) return 2;
  const QDir output(argv[1]);
  const QString suffix = argv[2];
  QLocale::setDefault(QLocale(QLocale::Czech, QLocale::CzechRepublic));
  kvo::LoadWindowFonts();

  kvo::Tavfram1 main;
  main.show();
  main.findChild<QPushButton*>("cmdCalcRisk")->click();
  app.processEvents();
  return main.grab().save(output.filePath("main-window" + suffix + ".png")) ? 0 : 1;
}
