#pragma once

#include <QString>
#include <QStringList>
#include <initializer_list>

/// \brief Names written as plain literals, for the tables of the tests:
/// names({"Suite", "Image1"}).
inline QStringList names(std::initializer_list<const char *> list) {
    QStringList out;
    for (const char *name : list)
        out << QString::fromUtf8(name);
    return out;
}
