// Saves pictures of the windows for the README and for a person to look at.
// Usage: screenshots OUTPUT_DIR SUFFIX   (run with QT_QPA_PLATFORM=offscreen, QT_SCALE_FACTOR)
#include <QApplication>
#include <QDir>
#include <QLineEdit>
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
  const bool mainSaved = main.grab().save(output.filePath("main-window" + suffix + ".png"));

  main.findChild<QPushButton*>("cmdVorlek")->click();
  QWidget* vorlek = nullptr;
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (top->objectName() == "Vorlek") vorlek = top;
  }
  vorlek->findChild<QLineEdit*>("txtProb")->setText("12.5");
  vorlek->findChild<QPushButton*>("cmdVorlek")->click();
  vorlek->findChild<QLineEdit*>("txtAge2")->setText("55");
  vorlek->findChild<QPushButton*>("cmdAvgAge")->click();
  app.processEvents();
  const bool vorlekSaved =
      vorlek->grab().save(output.filePath("infarct-age-window" + suffix + ".png"));
  return mainSaved && vorlekSaved ? 0 : 1;
}
