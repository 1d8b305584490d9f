#pragma once

#include <QString>
#include <QtGlobal>

// The suite's settings file VELDORIN.INI, next to the program file.
namespace configuracao {

// The button-face system colour as a colour code (FF00000F).
constexpr qint32 clBtnFace = -16777201;

struct Configuracao {
  QString PastaPrograma;        // folder of the program file, with a final '/'
  QString IpServidor;           // central database server, at most 60 characters
  qint32 CorDeFundo = clBtnFace;
};

constexpr const char *kRotuloIpServidor = "IP DO SERVIDOR CENTRAL.........................:";
constexpr const char *kRotuloCorDeFundo = "COR DE FUNDO DAS TELAS.........................:";

// Reads `pastaPrograma` + "VELDORIN.INI" into `config`, line by line; the last
// line of a label wins. A missing file shows its message and ends the program.
// A bad colour or an unreadable file throws, leaving what was read so far.
void LeConfiguracao(Configuracao &config, const QString &pastaPrograma);

// Removes the spaces (only spaces) at both ends.
QString TiraEspacos(QString text);

// A whole number in decimal (signed 32-bit) or "$"/"0x" hexadecimal (up to 8
// digits, the 32-bit pattern). Throws EConvertError otherwise.
qint32 LeNumeroInteiro(const QString &text);

}  // namespace configuracao
