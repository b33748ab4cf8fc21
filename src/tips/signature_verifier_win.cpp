#include "tips/signature_verifier_win.h"

#include <windows.h>

#include <bcrypt.h>  // needs windows.h first

#include <array>
#include <climits>
#include <cstring>
#include <optional>
#include <vector>

#include "base/system_library_win.h"
#include "base/unique_handle_win.h"
#include "tips/ecdsa_signature.h"
#include "tips_public_key.h"  // generated at build time: kTipsPublicKey, X then Y

namespace quorvane {
namespace {

// CNG, loaded from the system folder the first time a signature is checked
// rather than imported: under Wine, loading it sets up a whole TLS library,
// and most starts check nothing.
struct CngFunctions {
  decltype(&BCryptOpenAlgorithmProvider) openAlgorithm;
  decltype(&BCryptCloseAlgorithmProvider) closeAlgorithm;
  decltype(&BCryptCreateHash) createHash;
  decltype(&BCryptHashData) hashData;
  decltype(&BCryptFinishHash) finishHash;
  decltype(&BCryptDestroyHash) destroyHash;
  decltype(&BCryptImportKeyPair) importKeyPair;
  decltype(&BCryptVerifySignature) verifySignature;
  decltype(&BCryptDestroyKey) destroyKey;
};

// Null when the library or one of its functions cannot be loaded.
const CngFunctions* Cng() {
  static const CngFunctions* const loaded = [] {
    static CngFunctions functions{};
    const HMODULE library = LoadSystemLibrary(L"bcrypt.dll");
    const bool complete = library &&
                          LoadFunction(library, "BCryptOpenAlgorithmProvider", functions.openAlgorithm) &&
                          LoadFunction(library, "BCryptCloseAlgorithmProvider", functions.closeAlgorithm) &&
                          LoadFunction(library, "BCryptCreateHash", functions.createHash) &&
                          LoadFunction(library, "BCryptHashData", functions.hashData) &&
                          LoadFunction(library, "BCryptFinishHash", functions.finishHash) &&
                          LoadFunction(library, "BCryptDestroyHash", functions.destroyHash) &&
                          LoadFunction(library, "BCryptImportKeyPair", functions.importKeyPair) &&
                          LoadFunction(library, "BCryptVerifySignature", functions.verifySignature) &&
                          LoadFunction(library, "BCryptDestroyKey", functions.destroyKey);
    return complete ? &functions : nullptr;
  }();
  return loaded;
}

struct AlgorithmTraits {
  static BCRYPT_ALG_HANDLE Invalid() { return nullptr; }
  static void Close(BCRYPT_ALG_HANDLE algorithm) { Cng()->closeAlgorithm(algorithm, 0); }
};
struct HashTraits {
  static BCRYPT_HASH_HANDLE Invalid() { return nullptr; }
  static void Close(BCRYPT_HASH_HANDLE hash) { Cng()->destroyHash(hash); }
};
struct CngKeyTraits {
  static BCRYPT_KEY_HANDLE Invalid() { return nullptr; }
  static void Close(BCRYPT_KEY_HANDLE key) { Cng()->destroyKey(key); }
};
using UniqueAlgorithm = UniqueHandle<BCRYPT_ALG_HANDLE, AlgorithmTraits>;
using UniqueHash = UniqueHandle<BCRYPT_HASH_HANDLE, HashTraits>;
using UniqueCngKey = UniqueHandle<BCRYPT_KEY_HANDLE, CngKeyTraits>;

constexpr ULONG kDigestBytes = 32, kCoordinateBytes = 32;
static_assert(sizeof(kTipsPublicKey) == 2 * kCoordinateBytes, "a P-256 public key is X and Y");

UniqueAlgorithm OpenAlgorithm(LPCWSTR name) {
  BCRYPT_ALG_HANDLE algorithm = nullptr;
  if (!BCRYPT_SUCCESS(Cng()->openAlgorithm(&algorithm, name, nullptr, 0))) return {};
  return UniqueAlgorithm(algorithm);
}

// BCryptHash would do this in one call, but only from Windows 10 on.
std::optional<std::array<UCHAR, kDigestBytes>> Sha256(std::string_view data) {
  const UniqueAlgorithm algorithm = OpenAlgorithm(BCRYPT_SHA256_ALGORITHM);
  if (!algorithm || data.size() > ULONG_MAX) return std::nullopt;
  // From Windows 7 on, CNG keeps the hash object itself when given none:
  // https://learn.microsoft.com/windows/win32/api/bcrypt/nf-bcrypt-bcryptcreatehash
  BCRYPT_HASH_HANDLE handle = nullptr;
  if (!BCRYPT_SUCCESS(Cng()->createHash(algorithm.Get(), &handle, nullptr, 0, nullptr, 0, 0)))
    return std::nullopt;
  const UniqueHash hash(handle);
  std::array<UCHAR, kDigestBytes> digest{};
  if (!BCRYPT_SUCCESS(Cng()->hashData(hash.Get(), reinterpret_cast<PUCHAR>(const_cast<char*>(data.data())),
                                      static_cast<ULONG>(data.size()), 0)) ||
      !BCRYPT_SUCCESS(Cng()->finishHash(hash.Get(), digest.data(), kDigestBytes, 0)))
    return std::nullopt;
  return digest;
}

UniqueCngKey ImportPublisherKey(BCRYPT_ALG_HANDLE algorithm) {
  std::vector<UCHAR> blob(sizeof(BCRYPT_ECCKEY_BLOB) + sizeof(kTipsPublicKey));
  const BCRYPT_ECCKEY_BLOB header{BCRYPT_ECDSA_PUBLIC_P256_MAGIC, kCoordinateBytes};
  std::memcpy(blob.data(), &header, sizeof(header));
  std::memcpy(blob.data() + sizeof(header), kTipsPublicKey, sizeof(kTipsPublicKey));
  BCRYPT_KEY_HANDLE key = nullptr;
  if (!BCRYPT_SUCCESS(Cng()->importKeyPair(algorithm, nullptr, BCRYPT_ECCPUBLIC_BLOB, &key, blob.data(),
                                           static_cast<ULONG>(blob.size()), 0)))
    return {};
  return UniqueCngKey(key);
}

}  // namespace

bool PublisherSignatureVerifier::Verify(std::string_view data, std::string_view signature) {
  std::optional<RawEcdsaP256Signature> raw = EcdsaP256SignatureFromDer(signature);
  if (!raw || !Cng()) return false;
  std::optional<std::array<UCHAR, kDigestBytes>> digest = Sha256(data);
  const UniqueAlgorithm ecdsa = OpenAlgorithm(BCRYPT_ECDSA_P256_ALGORITHM);
  if (!digest || !ecdsa) return false;
  const UniqueCngKey key = ImportPublisherKey(ecdsa.Get());
  // Only STATUS_SUCCESS (0) is a match; a signature that does not fit gives
  // STATUS_INVALID_SIGNATURE.
  return key && Cng()->verifySignature(key.Get(), nullptr, digest->data(), kDigestBytes, raw->data(),
                                       static_cast<ULONG>(raw->size()), 0) == 0;
}

}  // namespace quorvane
