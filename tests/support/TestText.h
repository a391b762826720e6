// JSON written with single quotes, for readable test tables (and no raw strings, which the
// meta-object compiler mis-reads when brackets in them are unbalanced).
#pragma once

#include <QByteArray>

inline QByteArray j(const char *text)
{
    return QByteArray(text).replace('\'', '"');
}
