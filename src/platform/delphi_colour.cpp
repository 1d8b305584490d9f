#include "delphi_colour.h"

#include <QApplication>
#include <QPalette>

namespace {

QPalette::ColorRole systemColourRole(int number) {
  switch (number) {
    case 5: return QPalette::Base;              // window background
    case 7:                                     // menu text
    case 8: return QPalette::WindowText;        // window text
    case 13: return QPalette::Highlight;
    case 14: return QPalette::HighlightedText;
    case 16: return QPalette::Mid;              // button shadow
    case 18: return QPalette::ButtonText;
    case 20: return QPalette::Light;            // button highlight
    case 21: return QPalette::Shadow;
    case 22: return QPalette::Midlight;
    case 23: return QPalette::ToolTipText;      // info text
    case 24: return QPalette::ToolTipBase;      // info background
    default: return QPalette::Button;           // button face and the rest
  }
}

}  // namespace

QColor colourFromCode(qint32 code) {
  const quint32 pattern = quint32(code);
  if ((pattern & 0xFF000000u) == 0xFF000000u)
    return QApplication::palette().color(systemColourRole(int(pattern & 0xFFu)));
  return QColor(int(pattern & 0xFF), int((pattern >> 8) & 0xFF), int((pattern >> 16) & 0xFF));
}
