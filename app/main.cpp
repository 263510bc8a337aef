#include <QApplication>

#include "main_window/tavfram1.h"
#include "main_window/window_metrics.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QGuiApplication::setDesktopFileName("cz.rizikoinfarktu.RizikoInfarktu");
  kvo::LoadWindowFonts();
  kvo::Tavfram1 window;
  window.show();
  return app.exec();
}
