#include "tips/ecdsa_signature.h"

#include <algorithm>
#include <cstddef>

namespace quorvane {
namespace {

constexpr unsigned char kSequence = 0x30, kInteger = 0x02;
constexpr std::size_t kHalf = 32;

unsigned char Byte(std::string_view bytes, std::size_t at) { return static_cast<unsigned char>(bytes[at]); }

// Takes one tag-length-value from the front of `bytes`. A P-256 signature is
// at most 72 bytes, so every DER length fits the one-byte short form.
std::optional<std::string_view> TakeElement(std::string_view& bytes, unsigned char tag) {
  if (bytes.size() < 2 || Byte(bytes, 0) != tag || Byte(bytes, 1) >= 0x80) return std::nullopt;
  const std::size_t length = Byte(bytes, 1);
  if (bytes.size() - 2 < length) return std::nullopt;
  const std::string_view content = bytes.substr(2, length);
  bytes.remove_prefix(2 + length);
  return content;
}

// A positive integer in as few bytes as DER allows, right-aligned into 32.
bool TakeInteger(std::string_view& bytes, unsigned char* out) {
  std::optional<std::string_view> value = TakeElement(bytes, kInteger);
  if (!value || value->empty() || (Byte(*value, 0) & 0x80)) return false;  // empty or negative
  if (Byte(*value, 0) == 0 && value->size() > 1) {
    if (!(Byte(*value, 1) & 0x80)) return false;  // a leading zero that was not needed
    value->remove_prefix(1);
  }
  if (value->size() > kHalf) return false;
  std::fill(out, out + kHalf - value->size(), 0);
  std::copy(value->begin(), value->end(), out + kHalf - value->size());
  return true;
}

}  // namespace

std::optional<RawEcdsaP256Signature> EcdsaP256SignatureFromDer(std::string_view der) {
  std::optional<std::string_view> sequence = TakeElement(der, kSequence);
  RawEcdsaP256Signature raw{};
  if (!sequence || !der.empty() || !TakeInteger(*sequence, raw.data()) ||
      !TakeInteger(*sequence, raw.data() + kHalf) || !sequence->empty())
    return std::nullopt;
  return raw;
}

}  // namespace quorvane
