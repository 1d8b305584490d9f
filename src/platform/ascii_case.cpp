#include "ascii_case.h"

QString maiusculasAZ(QString text) {
  for (QChar &c : text)
    if (c >= u'a' && c <= u'z') c = QChar(c.unicode() - (u'a' - u'A'));
  return text;
}

QString minusculasAZ(QString text) {
  for (QChar &c : text)
    if (c >= u'A' && c <= u'Z') c = QChar(c.unicode() + (u'a' - u'A'));
  return text;
}
