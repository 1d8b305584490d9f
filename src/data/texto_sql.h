#pragma once

#include <QString>

// A value written between single quotes in an SQL text, its own quotes doubled.
inline QString literalSql(QString valor) { return u'\'' + valor.replace(u'\'', QStringLiteral("''")) + u'\''; }
