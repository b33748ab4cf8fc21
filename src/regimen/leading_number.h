#pragma once
// How the stored switch fields are read: the number a text begins with,
// rounded half to even into a fixed-width integer.
#include <cstdint>
#include <optional>
#include <string_view>

namespace quorvane {

// The number at the start of the text, with blanks (space, tab, CR, LF)
// ignored wherever they stand: an optional sign, digits, an optional
// fraction and an optional exponent (E or D). 0 when the text does not
// begin with a number.
double LeadingNumber(std::string_view text);

// Rounds half to even; nullopt when the result does not fit the type.
std::optional<std::int32_t> RoundToInt32(double value);
std::optional<std::int16_t> RoundToInt16(double value);

}  // namespace quorvane
