#pragma once

#include <QString>

namespace fb { class Connection; }

// The address of the central database for a configured server address: over
// TCP for a server, the local file (embedded) when the address is empty.
QString enderecoBancoCentral(const QString &ipServidor);

// Opens a central connection as both data modules do at start-up: client
// library from CaminhoGDS.txt, the composed address, the stored parameters.
// A failed attach shows the error box and ends the program at once.
void abreConexaoCentral(fb::Connection &connection, const QString &ipServidor);

// The text of that error box.
QString mensagemFalhaConexao(const QString &ipServidor, const QString &classe, const QString &erro);
