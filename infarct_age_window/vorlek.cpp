#include "infarct_age_window/vorlek.h"

#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>

#include "infarct_age_window/age_conversions.h"
#include "main_window/message_box.h"
#include "main_window/window_metrics.h"

namespace kvo {

enum class VorlekKind : std::uint8_t { Label, TextBox, LockedBox, Button, Option };

struct VorlekControl {
  VorlekKind kind;
  const char* name;
  const char* text;
  int left, top, width, height;  // twips
};

namespace {

const VorlekControl kControls[] = {
    {VorlekKind::LockedBox, "txtAverageRisk", "", 5280, 960, 1215, 375},
    {VorlekKind::TextBox, "txtAge2", "", 5280, 480, 1215, 375},
    {VorlekKind::Button, "cmdAvgAge", "Vypočítaný průměr   ", 4560, 1800, 1935, 255},
    {VorlekKind::Option, "optFemale", "Female", 480, 1920, 1095, 195},
    {VorlekKind::Option, "optMale", "Male", 480, 1680, 1095, 195},
    {VorlekKind::Button, "cmdVorlek", "Výpočet věku infark", 2040, 1800, 1695, 255},
    {VorlekKind::LockedBox, "txtVorlek", "", 2520, 960, 1215, 375},
    {VorlekKind::TextBox, "txtProb", "", 2520, 480, 1215, 375},
    {VorlekKind::Label, "Label2_1", "Avg Risk", 4560, 1080, 735, 255},
    {VorlekKind::Label, "Label3", "Age", 4560, 600, 615, 255},
    {VorlekKind::Label, "Label2_0", "Věk KVO (v letech) ", 480, 1080, 1935, 255},
    {VorlekKind::Label, "Label1", "Pravděpodobnost KVO (v %)", 480, 600, 1815, 255},
};

constexpr auto kAgeTitle = "Zadávej pozorně!";
constexpr auto kAgeMessage = "Zadej věk (20-75 let) a pohlaví pro výpočet průměrného rizika KVO";
constexpr auto kPercentMessage =
    "Věk infarktu nelze spočítat: zadaná pravděpodobnost leží mimo rozsah výpočtu.";

QWidget* NewControl(const VorlekControl& entry, QWidget* parent) {
  const QString text = QString::fromUtf8(entry.text);
  switch (entry.kind) {
    case VorlekKind::Label:
      return new QLabel(text, parent);
    case VorlekKind::TextBox:
      return new QLineEdit(text, parent);
    case VorlekKind::LockedBox: {
      auto* box = new QLineEdit(text, parent);
      box->setReadOnly(true);  // still selectable, and still a Tab stop
      return box;
    }
    case VorlekKind::Button:
      return new QPushButton(text, parent);
    case VorlekKind::Option: {
      auto* option = new QRadioButton(text, parent);
      // The layout gives the option 13 pixels of height: keep the round indicator inside it.
      option->setStyleSheet("QRadioButton::indicator { width: 11px; height: 11px; }");
      return option;
    }
  }
  return nullptr;
}

std::string DecimalSeparator() {
  return QLocale().decimalPoint().toStdString();
}

}  // namespace

Vorlek::Vorlek(QWidget* parent) : QWidget(parent, Qt::Window) {
  setAttribute(Qt::WA_DeleteOnClose);
  setObjectName("Vorlek");
  setWindowTitle("Věk-infarkt");
  setFont(DefaultWindowFont());
  resize(TwipsSize(6840, 3195));
  for (const VorlekControl& entry : kControls) createControl(entry);
  auto* sex = new QButtonGroup(this);
  sex->addButton(findChild<QRadioButton*>("optMale"));
  sex->addButton(findChild<QRadioButton*>("optFemale"));
  findChild<QRadioButton*>("optFemale")->setChecked(true);
  setTabOrder();
  keepTabOnSelectedOption();
  connect(findChild<QPushButton*>("cmdVorlek"), &QPushButton::clicked, this,
          &Vorlek::cmdVorlek_Click);
  connect(findChild<QPushButton*>("cmdAvgAge"), &QPushButton::clicked, this,
          &Vorlek::cmdAvgAge_Click);
  field("txtProb")->setFocus();
}

void Vorlek::createControl(const VorlekControl& entry) {
  QWidget* widget = NewControl(entry, this);
  widget->setObjectName(entry.name);
  widget->setGeometry(TwipsRect(entry.left, entry.top, entry.width, entry.height));
  if (auto* label = qobject_cast<QLabel*>(widget)) FitCaption(label);
}

void Vorlek::setTabOrder() {
  const char* const order[] = {"txtProb",   "txtVorlek", "cmdVorlek", "optMale",
                               "optFemale", "cmdAvgAge", "txtAge2",   "txtAverageRisk"};
  for (std::size_t i = 0; i + 1 < std::size(order); ++i) {
    QWidget::setTabOrder(findChild<QWidget*>(order[i]), findChild<QWidget*>(order[i + 1]));
  }
}

// The Tab key stops at the selected option only; the arrow keys move between the two. Qt keeps
// this up when the selection changes, but at load both options would be Tab stops.
void Vorlek::keepTabOnSelectedOption() {
  for (auto* option : findChildren<QRadioButton*>()) {
    option->setFocusPolicy(option->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
  }
}

QLineEdit* Vorlek::field(const char* name) const {
  return findChild<QLineEdit*>(name);
}

bool Vorlek::femaleSelected() const {
  return !findChild<QRadioButton*>("optMale")->isChecked();
}

void Vorlek::cmdVorlek_Click() {
  const auto age =
      InfarctAgeText(field("txtProb")->text().toStdString(), femaleSelected(), DecimalSeparator());
  if (age) {
    field("txtVorlek")->setText(QString::fromStdString(*age));
  } else {
    ShowMessage(this, kAgeTitle, kPercentMessage, QMessageBox::Warning);
  }
}

void Vorlek::cmdAvgAge_Click() {
  const auto average =
      AverageRiskText(field("txtAge2")->text().toStdString(), femaleSelected(), DecimalSeparator());
  if (average) {
    field("txtAverageRisk")->setText(QString::fromStdString(*average));
  } else {
    ShowMessage(this, kAgeTitle, kAgeMessage);
  }
}

}  // namespace kvo
