#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QString>

class QWidget;

// Fonts asked for by name and pixel height, as the screens give them;
// fontconfig stands in for a face the machine lacks.
QFont fontPixels(const QString &family, int pixels, bool bold = false);

// Sets one colour of a widget's palette.
void setColour(QWidget *widget, QPalette::ColorRole role, const QColor &colour);
