#include "widget_look.h"

#include <QWidget>

QFont fontPixels(const QString &family, int pixels, bool bold) {
  QFont font(family);
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}

void setColour(QWidget *widget, QPalette::ColorRole role, const QColor &colour) {
  QPalette palette = widget->palette();
  palette.setColor(role, colour);
  widget->setPalette(palette);
}
