// The infarct-age window: a risk percentage to an infarct age, and an age to the average risk.
#pragma once

#include <QWidget>

class QLineEdit;
class QRadioButton;

namespace kvo {

struct VorlekControl;

class Vorlek : public QWidget {
  Q_OBJECT

 public:
  // A top-level window that deletes itself when closed, so that the next show loads afresh.
  explicit Vorlek(QWidget* parent = nullptr);

 private:
  void createControl(const VorlekControl& entry);
  void setTabOrder();
  void keepTabOnSelectedOption();

  void cmdVorlek_Click();
  void cmdAvgAge_Click();

  QLineEdit* field(const char* name) const;
  bool femaleSelected() const;
};

}  // namespace kvo
