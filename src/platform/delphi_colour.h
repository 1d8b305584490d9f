#pragma once

#include <QColor>

// Colour codes as the suite stores them: 00BBGGRR for an RGB colour, or
// FF0000nn for the system colour nn, taken from the application's palette.
QColor colourFromCode(qint32 code);
