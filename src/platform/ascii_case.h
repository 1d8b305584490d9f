#pragma once

#include <QString>

// The suite's capitals and small letters: only the letters a to z and A to Z
// change; accented letters stay as they are.
QString maiusculasAZ(QString text);
QString minusculasAZ(QString text);
