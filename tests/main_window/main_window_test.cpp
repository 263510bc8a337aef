// The main window driven through its real widgets, headless.
#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "main_window/svg_picture.h"
#include "main_window/tavfram1.h"
#include "main_window/window_metrics.h"
#include "main_window/window_printing.h"
#include "tests/support/modal_box_probe.h"
#include "tests/support/widget_driving.h"

using kvo::test::Czech;
using kvo::test::English;
using kvo::test::ModalBoxProbe;
using kvo::test::Twips;

namespace {

const QStringList kInputs = {"txtAge",     "txtGender", "txtChol", "txtHDL",
                             "txtSmoking", "txtSBP",    "txtDM",   "txtLVH"};
const QStringList kResults = {"txtProbCHD_0", "txtProbCHD_1", "txtProbCHD_2", "txtProbCHD_3",
                              "txtProbCHD_4", "txtProbCHD_5", "txtProbCHD_6", "txtProbCHD_7",
                              "txtProbCHD_8", "txtProbCHD_9", "txtVorlek",    "txtAge2",
                              "txtCHDRisk"};
constexpr auto kAgeWarning =
    "Pozor: ke správnému výpočtu musí být minimální věk u mužů 23,u žen 25 let";

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void init();
  void cleanup();

  void controls_data();
  void controls();
  void looks();
  void windowAndMenu();
  void tabOrder();
  void report_data();
  void report();
  void reportFollowsTheSystemLocale();
  void ageWarningComesBeforeTheResults();
  void badInputLeavesEveryBoxAsItWas_data();
  void badInputLeavesEveryBoxAsItWas();
  void informationBox();
  void printsTheClientAreaOnOnePage();
  void withoutAPrinterOffersAPdf_data();
  void withoutAPrinterOffersAPdf();
  void exitClosesTheWindow();

 private:
  template <typename T = QLineEdit>
  T* control(const QString& name) const {
    return kvo::test::Control<T>(window_.get(), name);
  }
  void type(const QString& field, const QString& text) {
    kvo::test::TypeInto(control(field), text);
  }
  void clickCalc() { QTest::mouseClick(control<QPushButton>("cmdCalcRisk"), Qt::LeftButton); }
  QStringList texts(const QStringList& names) const;

  std::unique_ptr<kvo::Tavfram1> window_;
  QTemporaryDir home_;
};

void MainWindowTest::initTestCase() {
  // A fresh home: the file dialog remembers the folders of earlier runs in its settings.
  QVERIFY(home_.isValid());
  qputenv("HOME", home_.path().toUtf8());
  qputenv("XDG_CONFIG_HOME", (home_.path() + "/.config").toUtf8());
  QDir::setCurrent(home_.path());
  kvo::LoadWindowFonts();
}

void MainWindowTest::init() {
  QLocale::setDefault(Czech());
  window_ = std::make_unique<kvo::Tavfram1>();
  window_->show();
  QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
  QApplication::setActiveWindow(window_.get());
}

void MainWindowTest::cleanup() {
  window_.reset();
  QCOMPARE(kvo::test::VisibleWindows(), QStringList());
}

QStringList MainWindowTest::texts(const QStringList& names) const {
  QStringList values;
  for (const QString& name : names) values << control(name)->text();
  return values;
}

void MainWindowTest::controls_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<QRect>("geometry");
  QTest::addColumn<QString>("settings");  // locked, centred, notab, hidden

  const auto row = [](const char* name, const QString& text, QRect rect, const char* settings) {
    QTest::newRow(name) << text << rect << QString(settings);
  };
  row("cmdVorlek", "Test věku infar.", Twips(360, 6120, 2655, 375), "hidden");
  row("txtAge2", "", Twips(240, 4680, 1575, 285), "locked centred notab");
  row("txtVorlek", "", Twips(240, 5520, 1575, 285), "locked centred notab");
  for (int i = 0; i < 5; ++i) {
    const int top = 5040 + 240 * i;
    row(qPrintable(QString("txtProbCHD_%1").arg(i)), "", Twips(4560, top, 855, 285),
        "locked notab");
    row(qPrintable(QString("txtProbCHD_%1").arg(i + 5)), "", Twips(8520, top, 855, 285),
        "locked notab");
  }
  row("txtName", "", Twips(3960, 480, 3375, 285), "");
  row("txtTime", "10", Twips(6120, 3720, 1215, 285), "hidden");
  row("txtCHDRisk", "", Twips(4560, 4440, 5055, 285), "locked notab");
  row("cmdCalcRisk", "Výpočet možnosti KVO ", Twips(7560, 3360, 1935, 375), "");
  row("txtLVH", "0", Twips(6120, 3360, 1215, 285), "");
  row("txtDM", "0", Twips(6120, 3000, 1215, 285), "");
  row("txtSmoking", "1", Twips(6120, 2640, 1215, 285), "");
  row("txtSBP", "130", Twips(6120, 2280, 1215, 285), "");
  row("txtHDL", "45", Twips(6120, 1920, 1215, 285), "");
  row("txtChol", "240", Twips(6120, 1560, 1215, 285), "");
  row("txtGender", "1", Twips(6120, 1170, 1215, 285), "");
  row("txtAge", "55", Twips(6120, 840, 1215, 285), "");
  row("Label6", "Počet let :", Twips(240, 4440, 1575, 255), "centred");
  row("Label5", "Věk možnosti KVO", Twips(240, 5280, 1575, 255), "centred");
  row("Label4_9", "Výpočet rizika vztažený k průměru:", Twips(5760, 6000, 2775, 255), "");
  row("Label4_8", "Vztah rizika KVO ke skutečnosti ", Twips(5760, 5760, 2775, 255), "");
  row("Label4_7", "Riziko dle 10leté pravděpodobnosti", Twips(5760, 5520, 2775, 255), "");
  row("Label4_6", "Průměrné riziko vašeho věku a pohlaví", Twips(5760, 5280, 2775, 255), "");
  row("Label4_5", "Ideálni osoba bez rizikových faktorů:  ", Twips(5760, 5040, 2655, 255), "");
  const char* const years[] = {"4letech", "6letech", "8letech", "10letech", "12letech"};
  for (int i = 0; i < 5; ++i) {
    row(qPrintable(QString("Label4_%1").arg(i)), years[i], Twips(3840, 5040 + 240 * i, 615, 255),
        "");
  }
  row("Label2", "Pravděpodobnost po    ", Twips(2880, 4800, 1575, 255), "");
  row("Image1", "", Twips(360, 120, 1260, 1260), "");
  row("Label3", "Jaké máte riziko infarktu?          ", Twips(240, 1680, 4095, 2055), "");
  row("Label1_11", "Jméno", Twips(3120, 480, 735, 255), "");
  row("Label1_10", "Počet let:4-12:", Twips(4800, 3720, 1215, 255), "hidden");
  row("Label1_9", "Riziko KVO : ", Twips(2880, 4440, 1695, 255), "");
  row("Label1_7", "LVH A=1, Ne=0", Twips(4800, 3360, 1215, 255), "");
  row("Label1_6", "cukrovka 0/1", Twips(4800, 3000, 1215, 255), "");
  row("Label1_5", "ne/kuřák : 0/1 ", Twips(4800, 2640, 1335, 255), "");
  row("Label1_4", "TK sys", Twips(4800, 2280, 1215, 255), "");
  row("Label1_3", "HDL chol", Twips(4800, 1920, 1215, 255), "");
  row("Label1_2", "Celk. chol", Twips(4800, 1560, 1215, 255), "");
  row("Label1_1", "muž=1, žena=2 ", Twips(4800, 1200, 1215, 255), "");
  row("Label1_0", "Věk", Twips(4800, 840, 1215, 255), "");
}

void MainWindowTest::controls() {
  QFETCH(QString, text);
  QFETCH(QRect, geometry);
  QFETCH(QString, settings);
  const QString name = QTest::currentDataTag();
  auto* widget = control<QWidget>(name);
  QCOMPARE(widget->geometry(), geometry);
  QCOMPARE(widget->isVisible(), !settings.contains("hidden"));
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
    QCOMPARE(edit->text(), text);
    QCOMPARE(edit->isReadOnly(), settings.contains("locked"));
    QCOMPARE(edit->alignment().testFlag(Qt::AlignHCenter), settings.contains("centred"));
    QCOMPARE(edit->focusPolicy() == Qt::StrongFocus, !settings.contains("notab"));
  } else if (auto* label = qobject_cast<QLabel*>(widget)) {
    QCOMPARE(label->text(), text);
    QVERIFY(label->wordWrap());
    QCOMPARE(label->alignment().testFlag(Qt::AlignHCenter), settings.contains("centred"));
    // The caption fits its box: wrapped within its width, it needs no more than its height.
    const QRect room(0, 0, label->width(), 1000);
    QVERIFY(QFontMetrics(label->font()).boundingRect(room, Qt::TextWordWrap, text).height() <=
            label->height());
  } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
    QCOMPARE(button->text(), text);
    QVERIFY(button->fontMetrics().horizontalAdvance(text) < button->width());
  } else {
    auto* picture = qobject_cast<kvo::SvgPicture*>(widget);
    QVERIFY(picture != nullptr && picture->renderer().isValid());
  }
}

void MainWindowTest::looks() {
  const QColor grey(224, 224, 224);
  for (const char* name : {"Label5", "Label6"}) {
    auto* label = control<QLabel>(name);
    QCOMPARE(label->palette().color(QPalette::Window), QColor(64, 64, 64));
    QCOMPARE(label->palette().color(QPalette::WindowText), QColor(255, 255, 255));
    QVERIFY(label->font().bold());
    QCOMPARE(label->font().pointSizeF(), 8.25);
  }
  auto* title = control<QLabel>("Label3");
  QCOMPARE(title->palette().color(QPalette::WindowText), QColor(192, 0, 0));
  QCOMPARE(title->font().pointSize(), 24);
  QVERIFY(title->font().italic());
  QVERIFY(title->font().weight() >= QFont::Bold);
  QCOMPARE(title->font().families().first(), QString("Arial Black"));
  QCOMPARE(control<QLabel>("Label1_11")->palette().color(QPalette::WindowText), QColor(0, 0, 0));
  const QFont large = control<QLabel>("Label1_9")->font();
  QCOMPARE(large.pointSizeF(), 9.75);
  QVERIFY(large.bold());
  QCOMPARE(control<QLabel>("Label1_0")->font().families().first(), QString("MS Sans Serif"));
  QCOMPARE(control<QLabel>("Label1_0")->font().pointSizeF(), 8.25);
  QCOMPARE(control<QLabel>("Label1_0")->palette().color(QPalette::Window), grey);
  QCOMPARE(window_->clientArea()->palette().color(QPalette::Window), grey);
  QCOMPARE(control<QPushButton>("cmdCalcRisk")->palette().color(QPalette::Button), grey);
}

void MainWindowTest::windowAndMenu() {
  QCOMPARE(window_->windowTitle(), QString("Výpočet možnosti infarktu Framinghovou metodou"));
  QCOMPARE(window_->clientArea()->size(), QSize(643, 440));
  QVERIFY(!window_->windowIcon().availableSizes().isEmpty());
  QCOMPARE(QApplication::focusWidget(), control("txtName"));
  QCOMPARE(control("txtAge")->accessibleName(), QString("Věk"));
  QCOMPARE(control("txtLVH")->accessibleName(), QString("LVH A=1, Ne=0"));

  const QList<QAction*> bar = window_->menuBar()->actions();
  QCOMPARE(bar.size(), 1);
  QCOMPARE(bar.first()->text(), QString("&Další"));
  QStringList items;
  for (QAction* action : bar.first()->menu()->actions()) {
    items << action->objectName() + "=" + action->text();
    QVERIFY(action->isEnabled() && action->isVisible() && action->shortcut().isEmpty());
  }
  QCOMPARE(items, QStringList({"mAbout=&Info ", "mPrint=&Tisk ", "mExit=&Exit"}));
}

void MainWindowTest::tabOrder() {
  QStringList visited;
  for (int i = 0; i < 10; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    visited << QApplication::focusWidget()->objectName();
  }
  QCOMPARE(visited, QStringList({"txtAge", "txtGender", "txtChol", "txtHDL", "txtSBP", "txtSmoking",
                                 "txtDM", "txtLVH", "cmdCalcRisk", "txtName"}));
}

void MainWindowTest::report_data() {
  QTest::addColumn<QLocale>("locale");
  QTest::addColumn<QStringList>("inputs");  // age ... LVH
  QTest::addColumn<QStringList>("expected");

  const QStringList defaults = {"55", "1", "240", "45", "1", "130", "0", "0"};
  const QString sentence = "Pravděpodobnost infarktu behem prístích 10 let je ";
  QTest::newRow("defaults, Czech")
      << Czech() << defaults
      << QStringList({"7,4 %", "11,3 %", "15,3 %", "19,2 %", "23,0 %", "5,6 %", "16,0 %", "19,2 %",
                      "3,4 krát ", "1,2 krát ", "59,2 let  ", "55 let      ", sentence + "19,2%"});
  QTest::newRow("defaults, English")
      << English() << defaults
      << QStringList({"7.4 %", "11.3 %", "15.3 %", "19.2 %", "23.0 %", "5.6 %", "16.0 %", "19.2 %",
                      "3.4 krát ", "1.2 krát ", "59.2 let  ", "55 let      ", sentence + "19.2%"});
  QTest::newRow("a woman, Czech")
      << Czech() << QStringList({"55", "2", "240", "45", "1", "130", "0", "0"})
      << QStringList({"4,7 %", "7,6 %", "10,5 %", "13,5 %", "16,5 %", "2,4 %", "9,5 %", "13,5 %",
                      "5,6 krát ", "1,4 krát ", "62,4 let  ", "55 let      ", sentence + "13,5%"});
  QTest::newRow("sex code 3 and a typed age, English")
      << English() << QStringList({"55.4", "3", "240", "45", "1", "130", "0", "0"})
      << QStringList({"4.7 %", "7.6 %", "10.5 %", "13.5 %", "16.5 %", "2.4 %", "16.0 %", "13.5 %",
                      "5.6 krát ", "0.8 krát ", "51.7 let  ", "55.4 let      ",
                      sentence + "13.5%"});
}

void MainWindowTest::report() {
  QFETCH(QLocale, locale);
  QFETCH(QStringList, inputs);
  QFETCH(QStringList, expected);
  QLocale::setDefault(locale);
  for (int i = 0; i < kInputs.size(); ++i) type(kInputs[i], inputs[i]);
  type("txtName", "Jan Novak");
  ModalBoxProbe probe;
  clickCalc();
  QCOMPARE(probe.seen().size(), 0);
  QCOMPARE(texts(kResults), expected);
  QCOMPARE(texts(kInputs), inputs);  // the inputs stay exactly as typed
  QCOMPARE(control("txtName")->text(), QString("Jan Novak"));
  // A second click writes the same texts again.
  clickCalc();
  QCOMPARE(texts(kResults), expected);
}

// Run by CTest with LC_ALL set to a Czech and to an English locale.
void MainWindowTest::reportFollowsTheSystemLocale() {
  const QString separator = qEnvironmentVariable("KVO_EXPECTED_SEPARATOR");
  if (separator.isEmpty()) QSKIP("KVO_EXPECTED_SEPARATOR names the locale's separator");
  QLocale::setDefault(QLocale::system());
  clickCalc();
  QCOMPARE(control("txtProbCHD_3")->text(), "19" + separator + "2 %");
  QCOMPARE(control("txtVorlek")->text(), "59" + separator + "2 let  ");
}

void MainWindowTest::ageWarningComesBeforeTheResults() {
  type("txtAge", "24");
  const QStringList before = texts(kResults);
  QStringList whileShown;
  ModalBoxProbe probe([&] { whileShown = texts(kResults); });
  clickCalc();
  QCOMPARE(probe.seen().size(), 1);
  const kvo::test::SeenBox box = probe.seen().first();
  QCOMPARE(box.title, QString("Zadej vstupní data"));
  QCOMPARE(box.text, QString(kAgeWarning));
  QCOMPARE(box.icon, QMessageBox::NoIcon);
  QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
  QCOMPARE(box.buttonCount, 1);
  QCOMPARE(whileShown, before);
  QCOMPARE(control("txtAge2")->text(), QString("24 let      "));
  type("txtAge", "25");
  clickCalc();
  QCOMPARE(probe.seen().size(), 1);
}

void MainWindowTest::badInputLeavesEveryBoxAsItWas_data() {
  QTest::addColumn<QString>("field");
  QTest::addColumn<QString>("text");
  QTest::addColumn<int>("boxes");  // 2 when the age warning comes first
  QTest::addColumn<QString>("message");

  QTest::newRow("age beyond 16 bits")
      << "txtAge"
      << "99999" << 1 << "Hodnota v poli Věk je mimo povolený rozsah (od -32768 do 32767).";
  QTest::newRow("LVH beyond 16 bits")
      << "txtLVH"
      << "-40000" << 1 << "Hodnota v poli LVH je mimo povolený rozsah (od -32768 do 32767).";
  QTest::newRow("HDL 0") << "txtHDL"
                         << "0" << 1
                         << "Riziko nelze spočítat: HDL cholesterol musí být alespoň 1.";
  QTest::newRow("empty age") << "txtAge"
                             << "" << 2 << "Riziko nelze spočítat: Věk musí být alespoň 1.";
  QTest::newRow("smoking far from 0 and 1")
      << "txtSmoking"
      << "30000" << 1 << "Riziko nelze spočítat: zadané hodnoty leží mimo rozsah výpočtu.";
}

void MainWindowTest::badInputLeavesEveryBoxAsItWas() {
  QFETCH(QString, field);
  QFETCH(QString, text);
  QFETCH(int, boxes);
  QFETCH(QString, message);
  clickCalc();  // a report of the defaults, to be kept
  const QStringList before = texts(kResults);
  type(field, text);
  const QStringList inputs = texts(kInputs);
  ModalBoxProbe probe;
  clickCalc();
  QCOMPARE(probe.seen().size(), boxes);
  const kvo::test::SeenBox box = probe.seen().last();
  QCOMPARE(box.title, QString("Zadej vstupní data"));
  QCOMPARE(box.text, message);
  QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
  QCOMPARE(texts(kResults), before);
  QCOMPARE(texts(kInputs), inputs);
}

void MainWindowTest::informationBox() {
  ModalBoxProbe probe;
  window_->findChild<QAction*>("mAbout")->trigger();
  QCOMPARE(probe.seen().size(), 1);
  const kvo::test::SeenBox box = probe.seen().first();
  QCOMPARE(box.title, QString("Inform. o programu"));
  QVERIFY(box.text.startsWith(
      "Program ke stanoveni odhadu kardio-vaskularniho onemocneni a vypocet rizikoveho veku pro "
      "infarkt. Tato verze programu je urcena pro testovani   a vyzkum. Ostra verze pro "
      "odborniky budek dispozici v nejblizsi dobe.      Autor"));
  // Written without diacritics, like its opening.
  for (const QChar c : box.text) QVERIFY(c.unicode() < 128);
  QVERIFY(box.text.contains("Riziko infarktu") && box.text.contains("README"));
  QCOMPARE(box.icon, QMessageBox::NoIcon);
  QCOMPARE(box.buttonCount, 1);
}

void MainWindowTest::printsTheClientAreaOnOnePage() {
  clickCalc();
  QTemporaryDir dir;
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(dir.filePath("window.pdf"));
  QVERIFY(kvo::PrintWidget(*window_->clientArea(), printer));
  QFile pdf(dir.filePath("window.pdf"));
  QVERIFY(pdf.open(QIODevice::ReadOnly));
  const QByteArray content = pdf.readAll();
  QVERIFY(content.startsWith("%PDF"));
  QCOMPARE(content.count("/Type /Page\n") + content.count("/Type /Page\r"), 1);
  QVERIFY(content.size() > 5000);  // text and picture, not an empty page
}

void MainWindowTest::withoutAPrinterOffersAPdf_data() {
  QTest::addColumn<QString>("answer");    // the button pressed in the message
  QTest::addColumn<QString>("fileName");  // chosen in the file dialog; empty: cancelled
  QTest::addColumn<QString>("outcome");   // "nothing", "pdf" or "message"

  QTest::newRow("cancelled at the message") << "Zrušit"
                                            << ""
                                            << "nothing";
  QTest::newRow("cancelled in the file dialog") << "Uložit jako PDF…"
                                                << ""
                                                << "nothing";
  QTest::newRow("saved") << "Uložit jako PDF…"
                         << "okno.pdf"
                         << "pdf";
  QTest::newRow("unwritable")
      << "Uložit jako PDF…"
      << "/sys/okno.pdf"  // no one writes there, and it holds no file to read
      << "message";
}

void MainWindowTest::withoutAPrinterOffersAPdf() {
  if (!QPrinterInfo::defaultPrinter().isNull()) QSKIP("this machine has a default printer");
  QFETCH(QString, answer);
  QFETCH(QString, fileName);
  QFETCH(QString, outcome);
  QTemporaryDir dir;
  const QString path = fileName.startsWith('/') ? fileName : dir.filePath(fileName);
  QString proposed;
  ModalBoxProbe probe;
  probe.answerWith(answer);
  probe.onOtherDialog([&](QDialog* dialog) {
    auto* files = qobject_cast<QFileDialog*>(dialog);
    QVERIFY(files != nullptr);
    proposed = files->selectedFiles().value(0);
    if (fileName.isEmpty()) {
      files->reject();
    } else {
      files->selectFile(path);
      dialog->accept();  // QFileDialog::accept, as the Save button does
    }
  });
  clickCalc();
  window_->findChild<QAction*>("mPrint")->trigger();
  QTRY_VERIFY(QApplication::activeModalWidget() == nullptr);

  const kvo::test::SeenBox offer = probe.seen().first();
  QCOMPARE(offer.title, QString("Tisk"));
  QCOMPARE(offer.text, QString("Není nainstalována žádná tiskárna. Okno můžete uložit jako PDF."));
  QCOMPARE(offer.buttonTexts, QStringList({"Uložit jako PDF…", "Zrušit"}));
  QCOMPARE(probe.otherDialogs(), answer == "Zrušit" ? 0 : 1);
  if (probe.otherDialogs() == 1) QVERIFY(proposed.endsWith("/Riziko infarktu.pdf"));
  QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), outcome == "pdf" ? 1 : 0);
  QCOMPARE(probe.seen().size(), outcome == "message" ? 2 : 1);
  if (outcome == "pdf") {
    QFile pdf(path);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(pdf.readAll().startsWith("%PDF"));
  }
  if (outcome == "message") {
    QCOMPARE(probe.seen().last().text, "Soubor " + path + " se nepodařilo uložit.");
  }
}

void MainWindowTest::exitClosesTheWindow() {
  window_->findChild<QAction*>("mExit")->trigger();
  QTRY_VERIFY(!window_->isVisible());
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
