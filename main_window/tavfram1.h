// The main window: eight risk factors in, the risk report out, and a small menu.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <string>
#include <string_view>

class QLineEdit;
class QMenu;

namespace kvo {

class Vorlek;
struct ControlSpec;
struct ReportError;
struct BoxText;

class Tavfram1 : public QMainWindow {
  Q_OBJECT

 public:
  explicit Tavfram1(QWidget* parent = nullptr);
  ~Tavfram1() override;

  // The client area: every control, without the menu bar. It is what Tisk prints.
  QWidget* clientArea() const { return clientArea_; }

 private:
  void createClientArea();
  void createControl(const ControlSpec& entry);
  void createMenu();
  void setTabOrder();

  void cmdCalcRisk_Click();
  void cmdVorlek_Click();
  void mAbout_Click();
  void mPrint_Click();
  void mExit_Click();

  QLineEdit* field(std::string_view name) const;
  std::array<std::string, 8> inputTexts() const;
  void showAgeWarning();
  void showReportError(const ReportError& error);
  void writeResults(const std::array<BoxText, 13>& texts);

  QWidget* clientArea_ = nullptr;
  QPointer<Vorlek> vorlek_;  // the one infarct-age window, while it is open
};

}  // namespace kvo
