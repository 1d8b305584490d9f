#pragma once

#include <QByteArrayView>
#include <QString>

// The suite stores user names and passwords in USUARIOS encoded as letters A
// to P. The encoding has no key and must keep matching the stored values, so
// it follows the suite's own steps digit by digit.

// Encodes `text` by its Windows-1252 codes: two letters per character.
QString CodificaCredencial(QStringView text);

// The four steps of the encoding.
QString ByteParaBinario(unsigned char code);      // "01000001" for 65
int BinarioParaInteiro(QStringView digits);       // at most 31 digits
QChar NibbleParaLetra(QStringView fourDigits);    // "0000" -> 'A' ... "1111" -> 'P'
QString BytesParaLetras(QByteArrayView bytes);    // 26 -> "BK"
