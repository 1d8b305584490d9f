#pragma once

#include <QString>

// The optional file CaminhoGDS.txt names the folder of the database client
// library on its first line. Returns the library's full path, or an empty text
// for the ordinary library search (no file, or an empty first line).
// Throws EInOutError when the file exists but cannot be read.
QString bibliotecaClienteDe(const QString &caminhoGdsFile);
