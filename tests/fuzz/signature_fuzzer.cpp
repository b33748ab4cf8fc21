// Any bytes as a downloaded tip file's signature: nothing is read outside
// them, and only one whole DER sequence of at most 72 bytes is accepted.
#include <cstddef>
#include <cstdint>

#include "tips/ecdsa_signature.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view der(reinterpret_cast<const char*>(data), size);
  if (quorvane::EcdsaP256SignatureFromDer(der) && (size > 72 || data[0] != 0x30 || data[1] + 2u != size))
    __builtin_trap();
  return 0;
}
