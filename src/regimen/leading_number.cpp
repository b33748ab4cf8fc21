#include "regimen/leading_number.h"

#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace quorvane {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

double RoundHalfEven(double value) {
  const double floor = std::floor(value);
  const double fraction = value - floor;
  if (fraction > 0.5) return floor + 1;
  if (fraction < 0.5) return floor;
  return std::fmod(floor, 2.0) == 0 ? floor : floor + 1;
}

template <typename Int>
std::optional<Int> RoundTo(double value) {
  if (!std::isfinite(value)) return std::nullopt;
  const double rounded = RoundHalfEven(value);
  if (rounded < static_cast<double>(std::numeric_limits<Int>::min()) ||
      rounded > static_cast<double>(std::numeric_limits<Int>::max()))
    return std::nullopt;
  return static_cast<Int>(rounded);
}

}  // namespace

double LeadingNumber(std::string_view text) {
  std::string compact;
  for (const char c : text)
    if (!IsBlank(c)) compact += c;

  // Collect the longest prefix of the form [+-]digits[.digits][(E|D)[+-]digits].
  std::string number;
  std::size_t i = 0;
  if (i < compact.size() && (compact[i] == '+' || compact[i] == '-')) number += compact[i++];
  bool hasDigits = false;
  while (i < compact.size() && IsDigit(compact[i])) number += compact[i++], hasDigits = true;
  if (i < compact.size() && compact[i] == '.') {
    number += compact[i++];
    while (i < compact.size() && IsDigit(compact[i])) number += compact[i++], hasDigits = true;
  }
  if (!hasDigits) return 0;
  if (i < compact.size() &&
      (compact[i] == 'E' || compact[i] == 'e' || compact[i] == 'D' || compact[i] == 'd')) {
    std::string exponent = "e";
    std::size_t j = i + 1;
    if (j < compact.size() && (compact[j] == '+' || compact[j] == '-')) exponent += compact[j++];
    const std::size_t digitsStart = j;
    while (j < compact.size() && IsDigit(compact[j])) exponent += compact[j++];
    if (j > digitsStart) number += exponent;
  }
  return std::strtod(number.c_str(), nullptr);
}

std::optional<std::int32_t> RoundToInt32(double value) { return RoundTo<std::int32_t>(value); }
std::optional<std::int16_t> RoundToInt16(double value) { return RoundTo<std::int16_t>(value); }

}  // namespace quorvane
