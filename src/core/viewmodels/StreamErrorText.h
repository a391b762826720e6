// The reasons a stream fails, as the player logs them ("connection refused", "HTTP 404", ...),
// in the plain Dutch words the views show.
#pragma once

#include <QString>

namespace StreamErrorText {
// A reason the player does not know is shown as it is (it is clean network text).
QString describe(const QString &error);
} // namespace StreamErrorText
