#include "password_character.h"

#include <QLineEdit>
#include <QProxyStyle>

namespace {

class PasswordCharacterStyle : public QProxyStyle {
 public:
  explicit PasswordCharacterStyle(char16_t character) : character_(character) {}
  int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                QStyleHintReturn *returnData) const override {
    if (hint == SH_LineEdit_PasswordCharacter) return character_;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
  }

 private:
  char16_t character_;
};

}  // namespace

void setPasswordCharacter(QLineEdit *box, char16_t character) {
  auto *style = new PasswordCharacterStyle(character);
  style->setParent(box);
  box->setStyle(style);
  box->setEchoMode(QLineEdit::Password);
}
