#pragma once

#include <QFile>
#include <QString>

namespace crashnote::report {

// Whole small text file such as those under /proc; empty when unreadable.
inline QString readTextFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

} // namespace crashnote::report
