#pragma once
// The number windows: TFrm_SJcs (a mobile number), TFrmQQhm (a QQ number),
// TFrm_onther (any number) and TFormQQpeidui (the pairing of two QQ
// numbers). Each command of the main window opens a new one modally.
#include <QDialog>
#include <optional>
#include <string>

#include "fortune/numbers.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace lumeno::fortune {

// What the three single-number windows share: one digits-only input (Enter
// runs 测算), the buttons 测算 and 关闭, and in the group 测算结果 the number
// and the labels 状态, 吉凶 and 具体表现.
class TNumberWindow : public QDialog {
  Q_OBJECT

 public:
  QLineEdit* edtmun = nullptr;      // the number
  QLabel* NumberLabel = nullptr;    // the values of the four result lines
  QLabel* StatusLabel = nullptr;
  QLabel* LuckLabel = nullptr;
  QLabel* DetailLabel = nullptr;

  // 测算.
  void CmdAnalyse();

 protected:
  struct Texts {
    const char16_t* objectName;
    const char16_t* caption;
    const char16_t* inputLabel;
    int maxDigits;
    const char16_t* hint;  // below the input, or nullptr
    const char16_t* numberLabel;
    const char16_t* note;  // below the results, or nullptr
  };
  TNumberWindow(const Texts& texts, QWidget* parent);
  virtual std::optional<NumberResult> Analyse(const std::string& input) = 0;
};

class TFrm_SJcs : public TNumberWindow {
  Q_OBJECT
 public:
  explicit TFrm_SJcs(QWidget* parent = nullptr);

 protected:
  std::optional<NumberResult> Analyse(const std::string& input) override;
};

class TFrmQQhm : public TNumberWindow {
  Q_OBJECT
 public:
  explicit TFrmQQhm(QWidget* parent = nullptr);

 protected:
  std::optional<NumberResult> Analyse(const std::string& input) override;
};

class TFrm_onther : public TNumberWindow {
  Q_OBJECT
 public:
  explicit TFrm_onther(QWidget* parent = nullptr);

 protected:
  std::optional<NumberResult> Analyse(const std::string& input) override;
};

// Two QQ numbers and their pairing reading in one label; Enter does nothing.
class TFormQQpeidui : public QDialog {
  Q_OBJECT

 public:
  explicit TFormQQpeidui(QWidget* parent = nullptr);

  QLineEdit* MyQQ = nullptr;       // 我的QQ
  QLineEdit* OtherQQ = nullptr;    // 对方QQ
  QLabel* ResultLabel = nullptr;

  // 测算: the checks in order, the focus into the field of a failed check.
  void CmdAnalyse();
};

// The commands of the main window: a new window each, shown modally.
void OpenMobileNumber(QWidget* parent);
void OpenQQNumber(QWidget* parent);
void OpenAnyNumber(QWidget* parent);
void OpenQQPairing(QWidget* parent);

}  // namespace lumeno::fortune
