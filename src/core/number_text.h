#pragma once

#include "core/decimal.h"

#include <QString>
#include <cstdint>
#include <optional>

// Text to number, as the settings fields need it. Leading and trailing spaces (also the
// ideographic space) are ignored, and full-width digits, signs and decimal point count as
// their ASCII forms, because a Japanese input method types "１５". Anything else is not a
// number.
std::optional<double> toDouble(const QString& text);
std::optional<Decimal> toDecimal(const QString& text);
// Rounded half to even (6.5 gives 6, 7.5 gives 8); fails outside -32768..32767.
std::optional<std::int16_t> toInteger16(const QString& text);
