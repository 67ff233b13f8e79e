#pragma once
// The rule of the name fields: at most four GBK bytes, and in the main
// window double-byte characters only. As a validator it applies to every
// way text enters a line edit alike: typed keys, text committed by an input
// method, pasted or dropped text. Characters that are not allowed are
// dropped; an insertion that would overrun the byte limit is cut back from
// its end, so the text already in the field stays.
#include <QValidator>

namespace lumeno::app {

class NameValidator : public QValidator {
  Q_OBJECT
 public:
  NameValidator(bool doubleByteOnly, int maxBytes, QObject* parent = nullptr);
  State validate(QString& input, int& pos) const override;

 private:
  bool doubleByteOnly_;
  int maxBytes_;
};

// Bytes of one character (or surrogate pair) in GBK; 0 when GBK lacks it.
int GbkLengthOf(const QString& character);

}  // namespace lumeno::app
