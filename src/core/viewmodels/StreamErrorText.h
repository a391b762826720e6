// Why a stream failed, in the plain words the views show, in the user's language.
#pragma once

#include "playback/StreamFailure.h"

#include <QString>

namespace StreamErrorText {
QString describe(const StreamFailure &failure);
} // namespace StreamErrorText
