#pragma once

#include <QString>

// The normal form of descriptions, in which they are stored, searched and
// matched: small letters, the first one a capital ("Vitamina" keeps the
// capital after it), accents removed last.
QString FormataDescricao(QString s);

// Replaces the accented letters the suite knows by small plain letters.
QString RemoveAcentos(QString s);
