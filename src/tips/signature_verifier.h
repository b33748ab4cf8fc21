#pragma once
// Whether a download carries the publisher's signature.
#include <string_view>

namespace quorvane {

class SignatureVerifier {
 public:
  virtual ~SignatureVerifier() = default;
  // True only when `signature` (DER, as `openssl dgst -sha256 -sign` writes
  // it) is the publisher's ECDSA P-256 signature over SHA-256 of `data`.
  virtual bool Verify(std::string_view data, std::string_view signature) = 0;
};

}  // namespace quorvane
