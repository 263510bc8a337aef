// The infarct-age window driven through its real widgets, headless, alone and opened from the
// main window.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <memory>

#include "infarct_age_window/vorlek.h"
#include "main_window/tavfram1.h"
#include "main_window/window_metrics.h"
#include "tests/support/modal_box_probe.h"
#include "tests/support/widget_driving.h"

using kvo::test::Czech;
using kvo::test::English;
using kvo::test::ModalBoxProbe;
using kvo::test::Twips;

namespace {

constexpr auto kAgeMessage = "Zadej věk (20-75 let) a pohlaví pro výpočet průměrného rizika KVO";

QList<QWidget*> OpenInfarctAgeWindows() {
  QList<QWidget*> open;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->objectName() == "Vorlek" && widget->isVisible()) open << widget;
  }
  return open;
}

}  // namespace

class InfarctAgeWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { kvo::LoadWindowFonts(); }
  void init();
  void cleanup();

  void controls_data();
  void controls();
  void initialState();
  void tabOrder();
  void tabStopFollowsTheSelectedOption();
  void conversions_data();
  void conversions();
  void ageOutsideItsRangeShowsTheMessage_data();
  void ageOutsideItsRangeShowsTheMessage();
  void percentageWithoutAFiniteAgeShowsAMessage();

  void mainWindowOpensOneWindowAndKeepsItsContents();
  void closedWindowLoadsAfresh();
  void closingTheMainWindowFirstLeavesItOpen();
  void exitClosesBothWindows();

 private:
  template <typename T = QLineEdit>
  T* control(const QString& name) const {
    return kvo::test::Control<T>(vorlek_, name);
  }
  void type(const QString& field, const QString& text) {
    kvo::test::TypeInto(control(field), text);
  }
  void click(const char* button) {
    QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton);
  }
  kvo::Vorlek* openFromMainWindow();

  QPointer<kvo::Vorlek> vorlek_;
  std::unique_ptr<kvo::Tavfram1> main_;
};

void InfarctAgeWindowTest::init() {
  QLocale::setDefault(Czech());
  vorlek_ = new kvo::Vorlek;
  vorlek_->show();
  QVERIFY(QTest::qWaitForWindowExposed(vorlek_));
  QApplication::setActiveWindow(vorlek_);
}

void InfarctAgeWindowTest::cleanup() {
  if (vorlek_) vorlek_->close();
  main_.reset();
  QTRY_VERIFY(vorlek_.isNull());  // closing deletes it
  QCOMPARE(kvo::test::VisibleWindows(), QStringList());
}

kvo::Vorlek* InfarctAgeWindowTest::openFromMainWindow() {
  if (!main_) {
    main_ = std::make_unique<kvo::Tavfram1>();
    main_->show();
  }
  main_->findChild<QPushButton*>("cmdVorlek")->click();
  const QList<QWidget*> open = OpenInfarctAgeWindows();
  return open.isEmpty() ? nullptr : qobject_cast<kvo::Vorlek*>(open.last());
}

void InfarctAgeWindowTest::controls_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<QRect>("geometry");
  QTest::addColumn<bool>("locked");

  QTest::newRow("txtAverageRisk") << "" << Twips(5280, 960, 1215, 375) << true;
  QTest::newRow("txtAge2") << "" << Twips(5280, 480, 1215, 375) << false;
  QTest::newRow("cmdAvgAge") << "Vypočítaný průměr   " << Twips(4560, 1800, 1935, 255) << false;
  QTest::newRow("optFemale") << "Female" << Twips(480, 1920, 1095, 195) << false;
  QTest::newRow("optMale") << "Male" << Twips(480, 1680, 1095, 195) << false;
  QTest::newRow("cmdVorlek") << "Výpočet věku infark" << Twips(2040, 1800, 1695, 255) << false;
  QTest::newRow("txtVorlek") << "" << Twips(2520, 960, 1215, 375) << true;
  QTest::newRow("txtProb") << "" << Twips(2520, 480, 1215, 375) << false;
  QTest::newRow("Label2_1") << "Avg Risk" << Twips(4560, 1080, 735, 255) << false;
  QTest::newRow("Label3") << "Age" << Twips(4560, 600, 615, 255) << false;
  QTest::newRow("Label2_0") << "Věk KVO (v letech) " << Twips(480, 1080, 1935, 255) << false;
  QTest::newRow("Label1") << "Pravděpodobnost KVO (v %)" << Twips(480, 600, 1815, 255) << false;
}

void InfarctAgeWindowTest::controls() {
  QFETCH(QString, text);
  QFETCH(QRect, geometry);
  QFETCH(bool, locked);
  auto* widget = control<QWidget>(QTest::currentDataTag());
  QCOMPARE(widget->geometry(), geometry);
  QVERIFY(widget->isVisible());
  QCOMPARE(widget->font().families().first(), QString("MS Sans Serif"));
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
    QCOMPARE(edit->text(), text);
    QCOMPARE(edit->isReadOnly(), locked);
    QCOMPARE(edit->focusPolicy(), Qt::StrongFocus);  // locked boxes are Tab stops here
  } else if (auto* label = qobject_cast<QLabel*>(widget)) {
    QCOMPARE(label->text(), text);
    QVERIFY(QFontMetrics(label->font()).horizontalAdvance(text) <= label->width());
  } else {
    auto* button = qobject_cast<QAbstractButton*>(widget);
    QCOMPARE(button->text(), text);
    QVERIFY(button->fontMetrics().horizontalAdvance(text) < button->width());
  }
}

void InfarctAgeWindowTest::initialState() {
  QCOMPARE(vorlek_->windowTitle(), QString("Věk-infarkt"));
  QCOMPARE(vorlek_->size(), QSize(456, 213));
  QVERIFY(vorlek_->isWindow() && vorlek_->parentWidget() == nullptr);
  QVERIFY(vorlek_->windowIcon().isNull());
  QCOMPARE(QApplication::focusWidget(), control("txtProb"));
  auto* female = control<QRadioButton>("optFemale");
  auto* male = control<QRadioButton>("optMale");
  QVERIFY(female->isChecked() && !male->isChecked());
  QTest::mouseClick(male, Qt::LeftButton);
  QVERIFY(male->isChecked() && !female->isChecked());
}

void InfarctAgeWindowTest::tabOrder() {
  QStringList visited;
  for (int i = 0; i < 7; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    visited << QApplication::focusWidget()->objectName();
  }
  QCOMPARE(visited, QStringList({"txtVorlek", "cmdVorlek", "optFemale", "cmdAvgAge", "txtAge2",
                                 "txtAverageRisk", "txtProb"}));
}

void InfarctAgeWindowTest::tabStopFollowsTheSelectedOption() {
  auto* female = control<QRadioButton>("optFemale");
  auto* male = control<QRadioButton>("optMale");
  const auto tabFromButtonReaches = [&](QRadioButton* option) {
    control<QPushButton>("cmdVorlek")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    return QApplication::focusWidget() == option;
  };
  QTest::mouseClick(male, Qt::LeftButton);
  QVERIFY(tabFromButtonReaches(male));
  QTest::keyClick(male, Qt::Key_Down);  // the arrow keys move the selection within the group
  QVERIFY(female->isChecked() && !male->isChecked());
  QVERIFY(tabFromButtonReaches(female));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  QCOMPARE(QApplication::focusWidget()->objectName(), QString("cmdAvgAge"));
}

void InfarctAgeWindowTest::conversions_data() {
  QTest::addColumn<QString>("input");  // the field typed into
  QTest::addColumn<QString>("text");
  QTest::addColumn<bool>("male");
  QTest::addColumn<QString>("expected");  // with a comma; the English rows swap in a point

  const struct {
    const char* name;
    const char* input;
    const char* text;
    bool male;
    const char* expected;
  } rows[] = {
      {"empty percentage, female as loaded", "txtProb", "", false, "24,5"},
      {"0 %, male", "txtProb", "0", true, "22,0"},
      {"0.5 %, female", "txtProb", "0.5", false, "37,0"},
      {"0.6 %, female", "txtProb", "0.6", false, "38,4"},
      {"5.9 %, male", "txtProb", "5.9", true, "41,7"},
      {"6 %, male", "txtProb", "6", true, "41,9"},
      {"35 %, male", "txtProb", "35", true, "79,9"},
      {"35 %, female", "txtProb", "35", false, "102,6"},
      {"50 % is capped", "txtProb", "50", true, "79,9"},
      {"100 % is capped", "txtProb", "100", true, "79,9"},
      {"12,5 reads as 12", "txtProb", "12,5", true, "49,8"},
      {"-10 %, no lower bound", "txtProb", "-10", true, "-11,3"},
      {"age 55, female", "txtAge2", "55", false, "9,5 %"},
      {"age 55, male", "txtAge2", "55", true, "16,0 %"},
      {"age 20 at the floor", "txtAge2", "20", true, ",1 %"},
      {"age 75, female", "txtAge2", "75", false, "20,2 %"},
      {"age 19.5 reads as 20", "txtAge2", "19.5", false, ",1 %"},
  };
  for (const auto& row : rows) {
    for (const bool english : {false, true}) {
      const QString expected = QString(row.expected).replace(',', english ? '.' : ',');
      QTest::addRow("%s%s", row.name, english ? ", English" : "")
          << row.input << row.text << row.male << expected;
    }
  }
}

void InfarctAgeWindowTest::conversions() {
  QFETCH(QString, input);
  QFETCH(QString, text);
  QFETCH(bool, male);
  QFETCH(QString, expected);
  if (QString(QTest::currentDataTag()).endsWith("English")) QLocale::setDefault(English());
  const bool percentage = input == "txtProb";
  if (male) QTest::mouseClick(control<QRadioButton>("optMale"), Qt::LeftButton);
  type(input, text);
  ModalBoxProbe probe;
  click(percentage ? "cmdVorlek" : "cmdAvgAge");
  QCOMPARE(probe.seen().size(), 0);
  QCOMPARE(control(percentage ? "txtVorlek" : "txtAverageRisk")->text(), expected);
  QCOMPARE(control(input)->text(), text);  // the typed text stays, the cap is not written back
  QCOMPARE(control(percentage ? "txtAverageRisk" : "txtVorlek")->text(), QString());
  // Changing the sex changes nothing already shown; a second click writes the same again.
  QTest::mouseClick(control<QRadioButton>(male ? "optFemale" : "optMale"), Qt::LeftButton);
  QCOMPARE(control(percentage ? "txtVorlek" : "txtAverageRisk")->text(), expected);
}

void InfarctAgeWindowTest::ageOutsideItsRangeShowsTheMessage_data() {
  QTest::addColumn<QString>("age");
  for (const char* age : {"19", "76", "75.5", "", "abc", "99999", "-32769"}) {
    QTest::newRow(age) << QString(age);
  }
}

void InfarctAgeWindowTest::ageOutsideItsRangeShowsTheMessage() {
  QFETCH(QString, age);
  type("txtAge2", "55");
  click("cmdAvgAge");
  type("txtAge2", age);
  ModalBoxProbe probe;
  click("cmdAvgAge");
  QCOMPARE(probe.seen().size(), 1);
  const kvo::test::SeenBox box = probe.seen().first();
  QCOMPARE(box.title, QString("Zadávej pozorně!"));
  QCOMPARE(box.text, QString(kAgeMessage));
  QCOMPARE(box.icon, QMessageBox::NoIcon);
  QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
  QCOMPARE(box.buttonCount, 1);
  QCOMPARE(control("txtAverageRisk")->text(), QString("9,5 %"));
  QCOMPARE(control("txtAge2")->text(), age);
}

void InfarctAgeWindowTest::percentageWithoutAFiniteAgeShowsAMessage() {
  type("txtProb", "1");
  click("cmdVorlek");
  const QString before = control("txtVorlek")->text();
  type("txtProb", "-2" + QString(37, '0'));
  ModalBoxProbe probe;
  click("cmdVorlek");
  QCOMPARE(probe.seen().size(), 1);
  const kvo::test::SeenBox box = probe.seen().first();
  QCOMPARE(box.title, QString("Zadávej pozorně!"));
  QVERIFY(box.text.startsWith("Věk infarktu nelze spočítat"));
  QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
  QCOMPARE(box.buttonCount, 1);
  QCOMPARE(control("txtVorlek")->text(), before);
  QCOMPARE(control("txtProb")->text(), "-2" + QString(37, '0'));
}

void InfarctAgeWindowTest::mainWindowOpensOneWindowAndKeepsItsContents() {
  vorlek_->close();
  kvo::Vorlek* first = openFromMainWindow();
  QVERIFY(first != nullptr);
  vorlek_ = first;
  type("txtProb", "20");
  click("cmdVorlek");
  QCOMPARE(openFromMainWindow(), first);
  QCOMPARE(OpenInfarctAgeWindows().size(), 1);
  QCOMPARE(control("txtProb")->text(), QString("20"));
  QCOMPARE(control("txtVorlek")->text(), QString("74,6"));
}

void InfarctAgeWindowTest::closedWindowLoadsAfresh() {
  vorlek_->close();
  vorlek_ = openFromMainWindow();
  type("txtProb", "20");
  QTest::mouseClick(control<QRadioButton>("optMale"), Qt::LeftButton);
  vorlek_->close();
  QTRY_VERIFY(vorlek_.isNull());
  vorlek_ = openFromMainWindow();
  QVERIFY(vorlek_ != nullptr);
  QCOMPARE(control("txtProb")->text(), QString());
  QVERIFY(control<QRadioButton>("optFemale")->isChecked());
}

void InfarctAgeWindowTest::closingTheMainWindowFirstLeavesItOpen() {
  vorlek_->close();
  vorlek_ = openFromMainWindow();
  main_->close();
  QVERIFY(vorlek_->isVisible());
  // A visible top-level window without an owner that quits on close keeps the program running.
  QVERIFY(vorlek_->parentWidget() == nullptr && vorlek_->testAttribute(Qt::WA_QuitOnClose));
  vorlek_->close();
  QTRY_VERIFY(vorlek_.isNull());
}

void InfarctAgeWindowTest::exitClosesBothWindows() {
  vorlek_->close();
  vorlek_ = openFromMainWindow();
  main_->findChild<QAction*>("mExit")->trigger();
  QTRY_VERIFY(vorlek_.isNull());
  QVERIFY(!main_->isVisible());
}

QTEST_MAIN(InfarctAgeWindowTest)
#include "infarct_age_window_test.moc"
