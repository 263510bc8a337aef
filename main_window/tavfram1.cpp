#include "main_window/tavfram1.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

#include "infarct_age_window/vorlek.h"
#include "main_window/message_box.h"
#include "main_window/printing_loader.h"
#include "main_window/risk_report.h"
#include "main_window/svg_picture.h"
#include "main_window/window_metrics.h"

// Q_INIT_RESOURCE must be called outside any namespace; the resources live in a static library.
static void InitResources() {
  Q_INIT_RESOURCE(resources);
}

namespace kvo {

enum class Kind : std::uint8_t { Label, TextBox, Button, Picture };
enum class Look : std::uint8_t { Plain, DarkCaption, Title, BlackText, LargeBold, GreyButton };
enum Flag : unsigned { kLocked = 1, kCentred = 2, kNoTabStop = 4, kHidden = 8 };

struct ControlSpec {
  Kind kind;
  const char* name;  // the object name; group members carry _N
  const char* text;
  int left, top, width, height;  // twips
  unsigned flags = 0;
  Look look = Look::Plain;
};

namespace {

constexpr unsigned kResult = kLocked | kNoTabStop;
constexpr QColor kWindowGrey(224, 224, 224);
constexpr QColor kDarkGrey(64, 64, 64);
constexpr QColor kDarkRed(192, 0, 0);

// Every control of the window, at its place in twips.
const ControlSpec kControls[] = {
    {Kind::Button, "cmdVorlek", "Test věku infar.", 360, 6120, 2655, 375, kHidden},
    {Kind::TextBox, "txtAge2", "", 240, 4680, 1575, 285, kResult | kCentred},
    {Kind::TextBox, "txtVorlek", "", 240, 5520, 1575, 285, kResult | kCentred},
    {Kind::TextBox, "txtProbCHD_9", "", 8520, 6000, 855, 285, kResult},
    {Kind::TextBox, "txtProbCHD_8", "", 8520, 5760, 855, 285, kResult},
    {Kind::TextBox, "txtProbCHD_7", "", 8520, 5520, 855, 285, kResult},
    {Kind::TextBox, "txtProbCHD_6", "", 8520, 5280, 855, 285, kResult},
    {Kind::TextBox, "txtProbCHD_5", "", 8520, 5040, 855, 285, kResult},
    {Kind::TextBox, "txtProbCHD_4", "", 4560, 6000, 855, 285, kResult},
    {Kind::TextBox, "txtProbCHD_3", "", 4560, 5760, 855, 285, kResult},
    {Kind::TextBox, "txtProbCHD_2", "", 4560, 5520, 855, 285, kResult},
    {Kind::TextBox, "txtProbCHD_1", "", 4560, 5280, 855, 285, kResult},
    {Kind::TextBox, "txtProbCHD_0", "", 4560, 5040, 855, 285, kResult},
    {Kind::TextBox, "txtName", "", 3960, 480, 3375, 285},
    {Kind::TextBox, "txtTime", "10", 6120, 3720, 1215, 285, kHidden},
    {Kind::TextBox, "txtCHDRisk", "", 4560, 4440, 5055, 285, kResult},
    {Kind::Button, "cmdCalcRisk", "Výpočet možnosti KVO ", 7560, 3360, 1935, 375, 0,
     Look::GreyButton},
    {Kind::TextBox, "txtLVH", "0", 6120, 3360, 1215, 285},
    {Kind::TextBox, "txtDM", "0", 6120, 3000, 1215, 285},
    {Kind::TextBox, "txtSmoking", "1", 6120, 2640, 1215, 285},
    {Kind::TextBox, "txtSBP", "130", 6120, 2280, 1215, 285},
    {Kind::TextBox, "txtHDL", "45", 6120, 1920, 1215, 285},
    {Kind::TextBox, "txtChol", "240", 6120, 1560, 1215, 285},
    {Kind::TextBox, "txtGender", "1", 6120, 1170, 1215, 285},
    {Kind::TextBox, "txtAge", "55", 6120, 840, 1215, 285},
    {Kind::Label, "Label6", "Počet let :", 240, 4440, 1575, 255, kCentred, Look::DarkCaption},
    {Kind::Label, "Label5", "Věk možnosti KVO", 240, 5280, 1575, 255, kCentred, Look::DarkCaption},
    {Kind::Label, "Label4_9", "Výpočet rizika vztažený k průměru:", 5760, 6000, 2775, 255},
    {Kind::Label, "Label4_8", "Vztah rizika KVO ke skutečnosti ", 5760, 5760, 2775, 255},
    {Kind::Label, "Label4_7", "Riziko dle 10leté pravděpodobnosti", 5760, 5520, 2775, 255},
    {Kind::Label, "Label4_6", "Průměrné riziko vašeho věku a pohlaví", 5760, 5280, 2775, 255},
    {Kind::Label, "Label4_5", "Ideálni osoba bez rizikových faktorů:  ", 5760, 5040, 2655, 255},
    {Kind::Label, "Label4_4", "12letech", 3840, 6000, 615, 255},
    {Kind::Label, "Label4_3", "10letech", 3840, 5760, 615, 255},
    {Kind::Label, "Label4_2", "8letech", 3840, 5520, 615, 255},
    {Kind::Label, "Label4_1", "6letech", 3840, 5280, 615, 255},
    {Kind::Label, "Label4_0", "4letech", 3840, 5040, 615, 255},
    {Kind::Label, "Label2", "Pravděpodobnost po    ", 2880, 4800, 1575, 255},
    {Kind::Picture, "Image1", ":/heart.svg", 360, 120, 1260, 1260},
    {Kind::Label, "Label3", "Jaké máte riziko infarktu?          ", 240, 1680, 4095, 2055, 0,
     Look::Title},
    {Kind::Label, "Label1_11", "Jméno", 3120, 480, 735, 255, 0, Look::BlackText},
    {Kind::Label, "Label1_10", "Počet let:4-12:", 4800, 3720, 1215, 255, kHidden},
    {Kind::Label, "Label1_9", "Riziko KVO : ", 2880, 4440, 1695, 255, 0, Look::LargeBold},
    {Kind::Label, "Label1_7", "LVH A=1, Ne=0", 4800, 3360, 1215, 255},
    {Kind::Label, "Label1_6", "cukrovka 0/1", 4800, 3000, 1215, 255},
    {Kind::Label, "Label1_5", "ne/kuřák : 0/1 ", 4800, 2640, 1335, 255},
    {Kind::Label, "Label1_4", "TK sys", 4800, 2280, 1215, 255},
    {Kind::Label, "Label1_3", "HDL chol", 4800, 1920, 1215, 255},
    {Kind::Label, "Label1_2", "Celk. chol", 4800, 1560, 1215, 255},
    {Kind::Label, "Label1_1", "muž=1, žena=2 ", 4800, 1200, 1215, 255},
    {Kind::Label, "Label1_0", "Věk", 4800, 840, 1215, 255},
};

// The labels that name the input fields, in the order the report reads the fields.
constexpr const char* kInputLabels[kInputFieldCount] = {
    "Label1_0", "Label1_1", "Label1_2", "Label1_3", "Label1_5", "Label1_4", "Label1_6", "Label1_7"};

// Field names for messages, in the order of InputField.
const char* const kFieldNames[kInputFieldCount] = {"Věk",
                                                   "Pohlaví (muž=1, žena=2)",
                                                   "Celkový cholesterol",
                                                   "HDL cholesterol",
                                                   "Kouření",
                                                   "Systolický tlak",
                                                   "Cukrovka",
                                                   "LVH"};

constexpr auto kInputTitle = "Zadej vstupní data";
constexpr auto kAgeWarning =
    "Pozor: ke správnému výpočtu musí být minimální věk u mužů 23,u žen 25 let";
constexpr auto kAboutTitle = "Inform. o programu";
constexpr auto kAboutText =
    "Program ke stanoveni odhadu kardio-vaskularniho onemocneni a vypocet rizikoveho veku pro "
    "infarkt. Tato verze programu je urcena pro testovani   a vyzkum. Ostra verze pro odborniky "
    "budek dispozici v nejblizsi dobe.      Autorem programu je tym projektu Riziko infarktu. "
    "Informace o programu najdete v souboru README, ktery je soucasti programu.";
constexpr auto kPrintTitle = "Tisk";

QString ReportErrorMessage(const ReportError& error) {
  const QString name = QString::fromUtf8(kFieldNames[static_cast<std::size_t>(error.field)]);
  switch (error.kind) {
    case ReportErrorKind::OutOfRange:
      return QString("Hodnota v poli %1 je mimo povolený rozsah (od -32768 do 32767).").arg(name);
    case ReportErrorKind::BelowOne:
      return QString("Riziko nelze spočítat: %1 musí být alespoň 1.").arg(name);
    case ReportErrorKind::NoFiniteResult:
      break;
  }
  return "Riziko nelze spočítat: zadané hodnoty leží mimo rozsah výpočtu.";
}

QFont TitleFont() {
  QFont font;
  // Arial Black where installed, else the heaviest sans that Debian's fonts offer.
  font.setFamilies({"Arial Black", "Lato Black", "Lato", "DejaVu Sans"});
  font.setPointSize(24);
  font.setWeight(QFont::Black);
  font.setItalic(true);
  return font;
}

QFont LargeBoldFont() {
  QFont font = DefaultWindowFont();
  font.setPointSizeF(9.75);
  font.setBold(true);
  return font;
}

void SetColours(QWidget* widget, QColor background, QColor text) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, background);
  palette.setColor(QPalette::WindowText, text);
  palette.setColor(QPalette::Button, background);
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

void ApplyLook(QWidget* widget, Look look) {
  switch (look) {
    case Look::Plain:
      break;
    case Look::DarkCaption: {
      QFont bold = DefaultWindowFont();
      bold.setBold(true);
      widget->setFont(bold);
      SetColours(widget, kDarkGrey, Qt::white);
      break;
    }
    case Look::Title:
      widget->setFont(TitleFont());
      SetColours(widget, kWindowGrey, kDarkRed);
      break;
    case Look::BlackText:
      SetColours(widget, kWindowGrey, Qt::black);
      break;
    case Look::LargeBold:
      widget->setFont(LargeBoldFont());
      break;
    case Look::GreyButton:
      SetColours(widget, kWindowGrey, widget->palette().color(QPalette::ButtonText));
      break;
  }
}

QWidget* NewWidget(const ControlSpec& entry, QWidget* parent) {
  const QString text = QString::fromUtf8(entry.text);
  switch (entry.kind) {
    case Kind::Label: {
      auto* label = new QLabel(text, parent);
      label->setWordWrap(true);
      label->setAlignment(((entry.flags & kCentred) ? Qt::AlignHCenter : Qt::AlignLeft) |
                          Qt::AlignTop);
      return label;
    }
    case Kind::TextBox: {
      auto* box = new QLineEdit(text, parent);
      box->setReadOnly(entry.flags & kLocked);
      if (entry.flags & kCentred) box->setAlignment(Qt::AlignCenter);
      if (entry.flags & kNoTabStop) box->setFocusPolicy(Qt::ClickFocus);
      return box;
    }
    case Kind::Button:
      return new QPushButton(text, parent);
    case Kind::Picture:
      return new SvgPicture(text, parent);
  }
  return nullptr;
}

}  // namespace

Tavfram1::Tavfram1(QWidget* parent) : QMainWindow(parent) {
  InitResources();
  setObjectName("Tavfram1");
  setWindowTitle("Výpočet možnosti infarktu Framinghovou metodou");
  // Decoding the icon loads an image plugin; it can wait until the window is on the screen.
  QTimer::singleShot(0, this, [this] { setWindowIcon(QIcon(":/heart.ico")); });
  createMenu();
  createClientArea();
  setTabOrder();
  resize(clientArea_->size() + QSize(0, menuBar()->sizeHint().height()));
  field("txtName")->setFocus();
}

// The infarct-age window has no owner, so it outlives a closed main window; it goes at the end.
Tavfram1::~Tavfram1() {
  delete vorlek_;
}

void Tavfram1::createClientArea() {
  clientArea_ = new QWidget(this);
  clientArea_->setObjectName("clientArea");
  clientArea_->setFont(DefaultWindowFont());
  clientArea_->setFixedSize(TwipsSize(9645, 6600));
  SetColours(clientArea_, kWindowGrey, clientArea_->palette().color(QPalette::WindowText));
  for (const ControlSpec& entry : kControls) createControl(entry);
  for (std::size_t i = 0; i < kInputFieldCount; ++i) {
    const auto* label = clientArea_->findChild<QLabel*>(kInputLabels[i]);
    field(InputFieldBox(InputField(i)))->setAccessibleName(label->text().trimmed());
  }
  field("txtName")->setAccessibleName("Jméno");
  // The controls keep their places whatever the window's size.
  setCentralWidget(clientArea_);
  connect(clientArea_->findChild<QPushButton*>("cmdCalcRisk"), &QPushButton::clicked, this,
          &Tavfram1::cmdCalcRisk_Click);
  connect(clientArea_->findChild<QPushButton*>("cmdVorlek"), &QPushButton::clicked, this,
          &Tavfram1::cmdVorlek_Click);
}

void Tavfram1::createControl(const ControlSpec& entry) {
  QWidget* widget = NewWidget(entry, clientArea_);
  widget->setObjectName(entry.name);
  widget->setGeometry(TwipsRect(entry.left, entry.top, entry.width, entry.height));
  ApplyLook(widget, entry.look);
  if (auto* label = qobject_cast<QLabel*>(widget)) FitCaption(label);
  if (entry.flags & kHidden) widget->hide();
}

void Tavfram1::createMenu() {
  QMenu* menu = menuBar()->addMenu("&Další");
  menu->setObjectName("mFiles");
  menu->menuAction()->setObjectName("mFiles");
  const std::pair<const char*, void (Tavfram1::*)()> items[] = {
      {"&Info ", &Tavfram1::mAbout_Click},
      {"&Tisk ", &Tavfram1::mPrint_Click},
      {"&Exit", &Tavfram1::mExit_Click},
  };
  const char* const names[] = {"mAbout", "mPrint", "mExit"};
  for (std::size_t i = 0; i < std::size(items); ++i) {
    QAction* action = menu->addAction(QString::fromUtf8(items[i].first));
    action->setObjectName(names[i]);
    connect(action, &QAction::triggered, this, items[i].second);
  }
}

void Tavfram1::setTabOrder() {
  const char* const order[] = {"txtName", "txtAge",     "txtGender", "txtChol", "txtHDL",
                               "txtSBP",  "txtSmoking", "txtDM",     "txtLVH",  "cmdCalcRisk"};
  for (std::size_t i = 0; i + 1 < std::size(order); ++i) {
    QWidget::setTabOrder(clientArea_->findChild<QWidget*>(order[i]),
                         clientArea_->findChild<QWidget*>(order[i + 1]));
  }
}

QLineEdit* Tavfram1::field(std::string_view name) const {
  return clientArea_->findChild<QLineEdit*>(
      QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
}

std::array<std::string, 8> Tavfram1::inputTexts() const {
  std::array<std::string, kInputFieldCount> texts;
  for (std::size_t i = 0; i < kInputFieldCount; ++i) {
    texts[i] = field(InputFieldBox(InputField(i)))->text().toStdString();
  }
  return texts;
}

void Tavfram1::cmdCalcRisk_Click() {
  if (AgeWarningDue(field("txtAge")->text().toStdString())) showAgeWarning();
  const auto report = CalcRiskReport(inputTexts(), QLocale().decimalPoint().toStdString());
  if (report) {
    writeResults(report->texts);
  } else {
    showReportError(report.error());
  }
}

void Tavfram1::cmdVorlek_Click() {
  if (!vorlek_) vorlek_ = new Vorlek();
  vorlek_->show();
  vorlek_->raise();
  vorlek_->activateWindow();
}

void Tavfram1::showAgeWarning() {
  ShowMessage(this, kInputTitle, kAgeWarning);
}

void Tavfram1::showReportError(const ReportError& error) {
  ShowMessage(this, kInputTitle, ReportErrorMessage(error), QMessageBox::Warning);
}

void Tavfram1::writeResults(const std::array<BoxText, 13>& texts) {
  for (const BoxText& text : texts) {
    field(text.box)->setText(QString::fromStdString(text.text));
  }
}

void Tavfram1::mAbout_Click() {
  ShowMessage(this, kAboutTitle, kAboutText);
}

// Printing lives in a module loaded on the first Tisk, so that start-up does not load Qt's
// print support.
void Tavfram1::mPrint_Click() {
  if (const PrintWindowFunction print = LoadPrinting()) {
    print(this, clientArea_);
  } else {
    ShowMessage(this, kPrintTitle,
                "Tisk není k dispozici: chybí tisková část programu (" +
                    QString(kPrintingModuleName) + ").",
                QMessageBox::Warning);
  }
}

void Tavfram1::mExit_Click() {
  QApplication::closeAllWindows();
  QApplication::quit();
}

}  // namespace kvo
