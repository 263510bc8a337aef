// Prints the main window through its menu, as a user would: Alt+D, then T. The print service
// and its checks of the printed page are set up around this test by cups_print_test.sh.
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPrinterInfo>
#include <QPushButton>
#include <QtTest>

#include "main_window/tavfram1.h"
#include "main_window/window_metrics.h"
#include "tests/support/modal_box_probe.h"

class PrintThroughMenuTest : public QObject {
  Q_OBJECT

 private slots:
  void tiskPrintsOnTheDefaultPrinter() {
    kvo::LoadWindowFonts();
    const QString expected = qEnvironmentVariable("KVO_EXPECTED_PRINTER");
    QCOMPARE(QPrinterInfo::defaultPrinter().printerName(), expected);

    kvo::Tavfram1 window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QApplication::setActiveWindow(&window);
    QTest::mouseClick(window.findChild<QPushButton*>("cmdCalcRisk"), Qt::LeftButton);

    kvo::test::ModalBoxProbe probe;
    QTest::keyClick(&window, Qt::Key_D, Qt::AltModifier);
    QMenu* menu = window.findChild<QMenu*>("mFiles");
    QTRY_VERIFY(menu->isVisible());
    QTest::keyClick(menu, Qt::Key_T);
    QTRY_VERIFY(!menu->isVisible());
    QCOMPARE(probe.seen().size(), 0);  // no message: the job went to the printer
  }
};

QTEST_MAIN(PrintThroughMenuTest)
#include "print_through_menu_test.moc"
