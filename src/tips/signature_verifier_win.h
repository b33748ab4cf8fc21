#pragma once
// Checks the tips publisher's signature with the operating system's
// cryptography (CNG), against the public key built into the program.
#include "tips/signature_verifier.h"

namespace quorvane {

class PublisherSignatureVerifier : public SignatureVerifier {
 public:
  bool Verify(std::string_view data, std::string_view signature) override;
};

}  // namespace quorvane
