#pragma once

#include <QByteArray>
#include <QString>

// Database columns and VELDORIN.INI hold Windows-1252 bytes; the program works
// with Qt strings. These convert at that boundary.
namespace win1252 {

QString decode(QByteArrayView bytes);

// Characters that Windows-1252 cannot hold are replaced by '?' and `ok`
// becomes false, so callers that must not store corrupted text can refuse.
QByteArray encode(QStringView text, bool *ok = nullptr);

bool canEncode(QChar c);
bool canEncode(QStringView text);

}  // namespace win1252
