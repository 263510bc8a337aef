// The yardstick for the program's start-up: an empty Qt main window of the same client size
// and a one-item menu bar, with nothing else.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.menuBar()->addMenu("&Menu");
  window.resize(643, 440 + window.menuBar()->sizeHint().height());
  window.show();
  return app.exec();
}
