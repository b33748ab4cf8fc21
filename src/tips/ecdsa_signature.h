#pragma once
// The tip file's signature as openssl writes it (ECDSA P-256, DER) and as
// the operating system's verifier takes it (r and s, 32 bytes each).
#include <array>
#include <optional>
#include <string_view>

namespace quorvane {

using RawEcdsaP256Signature = std::array<unsigned char, 64>;

// SEQUENCE { INTEGER r, INTEGER s } in strict DER: minimal lengths and
// integers, both positive and at most 32 bytes, nothing after the sequence.
// Anything else is not a signature.
std::optional<RawEcdsaP256Signature> EcdsaP256SignatureFromDer(std::string_view der);

}  // namespace quorvane
