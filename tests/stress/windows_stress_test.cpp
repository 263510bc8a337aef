// Random edits and clicks on both windows. After every click no input field has changed, the
// result boxes hold either a complete new result or exactly their previous texts, and the
// program still answers. KVO_STRESS_SEED and KVO_STRESS_STEPS change the run.
#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <string>

#include "infarct_age_window/age_conversions.h"
#include "infarct_age_window/vorlek.h"
#include "main_window/risk_report.h"
#include "main_window/tavfram1.h"
#include "main_window/window_metrics.h"
#include "tests/support/modal_box_probe.h"

namespace {

const QStringList kMainInputs = {"txtName",    "txtAge", "txtGender", "txtChol", "txtHDL",
                                 "txtSmoking", "txtSBP", "txtDM",     "txtLVH",  "txtTime"};
const QStringList kMainResults = {"txtProbCHD_0", "txtProbCHD_1", "txtProbCHD_2", "txtProbCHD_3",
                                  "txtProbCHD_4", "txtProbCHD_5", "txtProbCHD_6", "txtProbCHD_7",
                                  "txtProbCHD_8", "txtProbCHD_9", "txtVorlek",    "txtAge2",
                                  "txtCHDRisk"};

QStringList Texts(const QWidget* window, const QStringList& names) {
  QStringList texts;
  for (const QString& name : names) texts << window->findChild<QLineEdit*>(name)->text();
  return texts;
}

std::string Separator() {
  return QLocale().decimalPoint().toStdString();
}

class RandomText {
 public:
  explicit RandomText(std::mt19937& random) : random_(random) {}

  QString next() {
    switch (pick(9)) {
      case 0:
        return "";
      case 1:
        return pickOf({"32767",
                       "32767.4",
                       "32767.5",
                       "-32768",
                       "-32768.5",
                       "-32769",
                       "99999",
                       "0",
                       "1",
                       "-1",
                       "0.5",
                       "25",
                       "24",
                       "20",
                       "75",
                       "35",
                       "35.000001",
                       "1e9",
                       "-1" + QString(40, '0'),
                       QString(400, '9')});
      case 2:
        return QString::number(pick(400) - 50);
      case 3:
        return QString::number((pick(100000) - 50000) / 100.0, 'f', 2);
      case 4:
        return pickOf({"55 let", "12,5", "  7", "+7", "-.5", ".", "-", "abc", "0x10", "inf", "nan",
                       "1.2.3", "\t\n 3", "5 5"});
      case 5:
        return pickOf({"Věk 55", "žluťoučký kůň", "٣٤", "五十", "😀", "\u202e55",
                       QString(QChar(0)) + "5", "\r\n", "\x1b[31m"});
      case 6:
        return QString(pick(3000) + 1, QChar(u'0' + pick(10)));
      default: {
        QString text;
        const int length = pick(12);
        for (int i = 0; i < length; ++i) text += QChar(static_cast<char16_t>(pick(0x3000) + 1));
        return text;
      }
    }
  }
  int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

 private:
  QString pickOf(std::initializer_list<QString> texts) {
    return *(texts.begin() + pick(static_cast<int>(texts.size())));
  }
  std::mt19937& random_;
};

}  // namespace

class WindowsStressTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    kvo::LoadWindowFonts();
    // Random Unicode asks every installed font for scripts it lacks: not this test's concern.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
      if (text.contains("OpenType support missing")) return;
      std::fprintf(stderr, "%s\n", qPrintable(text));
      if (type == QtFatalMsg) std::abort();
    });
  }
  void randomEditsAndClicks();

 private:
  void clickCalcRisk();
  void clickInfarctAge();
  void clickAverageAge();
  using Conversion = std::function<std::optional<std::string>(const QStringList&, bool)>;
  void clickConversion(const char* button, const char* result, const Conversion& convert);
  void checkAnswers();
  kvo::Vorlek* openVorlek();

  std::unique_ptr<kvo::Tavfram1> main_;
  QPointer<kvo::Vorlek> vorlek_;
};

void WindowsStressTest::randomEditsAndClicks() {
  const unsigned seed = qEnvironmentVariableIntValue("KVO_STRESS_SEED") + 20261210u;
  const int steps = qEnvironmentVariableIsSet("KVO_STRESS_STEPS")
                        ? qEnvironmentVariableIntValue("KVO_STRESS_STEPS")
                        : 6000;
  qInfo("seed %u, %d steps", seed, steps);
  std::mt19937 random(seed);
  RandomText texts(random);
  kvo::test::ModalBoxProbe probe;
  main_ = std::make_unique<kvo::Tavfram1>();
  main_->show();
  openVorlek();
  int clicks = 0;
  for (int step = 0; step < steps; ++step) {
    switch (texts.pick(8)) {
      case 0:
      case 1:
        main_->findChild<QLineEdit*>(kMainInputs[texts.pick(kMainInputs.size())])
            ->setText(texts.next());
        break;
      case 2:
        openVorlek()
            ->findChild<QLineEdit*>(texts.pick(2) ? "txtProb" : "txtAge2")
            ->setText(texts.next());
        break;
      case 3:
        openVorlek()->findChild<QRadioButton*>(texts.pick(2) ? "optMale" : "optFemale")->click();
        break;
      case 4:
        clickCalcRisk();
        ++clicks;
        break;
      case 5:
        clickInfarctAge();
        ++clicks;
        break;
      case 6:
        clickAverageAge();
        ++clicks;
        break;
      default:
        if (texts.pick(10) == 0 && vorlek_) vorlek_->close();
        QLocale::setDefault(texts.pick(2) ? QLocale("cs_CZ") : QLocale("en_US"));
        break;
    }
    if (QTest::currentTestFailed()) {
      qWarning("failed at step %d", step);
      return;
    }
  }
  checkAnswers();
  qInfo("%d clicks, %d message boxes answered", clicks, static_cast<int>(probe.seen().size()));
  QVERIFY(clicks > steps / 4);
  if (vorlek_) vorlek_->close();
  main_.reset();
}

kvo::Vorlek* WindowsStressTest::openVorlek() {
  main_->findChild<QPushButton*>("cmdVorlek")->click();
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->objectName() == "Vorlek" && widget->isVisible()) {
      vorlek_ = qobject_cast<kvo::Vorlek*>(widget);
    }
  }
  return vorlek_;
}

void WindowsStressTest::clickCalcRisk() {
  const QStringList inputs = Texts(main_.get(), kMainInputs);
  const QStringList before = Texts(main_.get(), kMainResults);
  std::array<std::string, kvo::kInputFieldCount> fields;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    fields[i] = inputs[static_cast<int>(i) + 1].toStdString();
  }
  const auto expected = kvo::CalcRiskReport(fields, Separator());
  QTest::mouseClick(main_->findChild<QPushButton*>("cmdCalcRisk"), Qt::LeftButton);
  QCOMPARE(Texts(main_.get(), kMainInputs), inputs);
  QStringList after;
  if (expected) {
    for (const kvo::BoxText& text : expected->texts) after << QString::fromStdString(text.text);
  } else {
    after = before;
  }
  QCOMPARE(Texts(main_.get(), kMainResults), after);
  checkAnswers();
}

void WindowsStressTest::clickInfarctAge() {
  clickConversion("cmdVorlek", "txtVorlek", [](const QStringList& inputs, bool female) {
    return kvo::InfarctAgeText(inputs[0].toStdString(), female, Separator());
  });
}

void WindowsStressTest::clickAverageAge() {
  clickConversion("cmdAvgAge", "txtAverageRisk", [](const QStringList& inputs, bool female) {
    return kvo::AverageRiskText(inputs[1].toStdString(), female, Separator());
  });
}

// Clicks a button of the infarct-age window: its result box then holds what `convert` gives
// for the inputs, or its old text where that gives nothing.
void WindowsStressTest::clickConversion(const char* button, const char* result,
                                        const Conversion& convert) {
  kvo::Vorlek* window = openVorlek();
  const QStringList names = {"txtProb", "txtAge2"};
  const QStringList inputs = Texts(window, names);
  const QString before = window->findChild<QLineEdit*>(result)->text();
  const auto expected = convert(inputs, window->findChild<QRadioButton*>("optFemale")->isChecked());
  QTest::mouseClick(window->findChild<QPushButton*>(button), Qt::LeftButton);
  QCOMPARE(Texts(window, names), inputs);
  QCOMPARE(window->findChild<QLineEdit*>(result)->text(),
           expected ? QString::fromStdString(*expected) : before);
  checkAnswers();
}

// The event loop still runs: a queued call arrives.
void WindowsStressTest::checkAnswers() {
  bool answered = false;
  QMetaObject::invokeMethod(
      qApp, [&answered] { answered = true; }, Qt::QueuedConnection);
  QCoreApplication::processEvents();
  QVERIFY(answered);
}

QTEST_MAIN(WindowsStressTest)
#include "windows_stress_test.moc"
