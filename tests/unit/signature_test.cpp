// The tip file's signature: openssl's DER made into the r and s CNG takes.
#include <gtest/gtest.h>

#include <string>

#include "tips/ecdsa_signature.h"

namespace quorvane {
namespace {

std::string Bytes(std::string_view hex) {
  std::string bytes;
  for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
    bytes += static_cast<char>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16));
  return bytes;
}

TEST(EcdsaSignature, DerBecomesRAndSRightAlignedInThirtyTwoBytesEach) {
  const std::string r(62, '1'), s(64, '2'), zeros(62, '0');
  // clang-format off
  const std::pair<std::string, std::string> cases[] = {
      // Written by openssl: s of 31 bytes.
      {"304302201407b09a8299ec4cbfdc9af3bd47f325cb25f8300d1b71fd9793a5fb0e108217"
       "021f23d49ee834f05ff9000cba7d7b6dabed874ee9265a293329b93420d0c9d836",
       "1407b09a8299ec4cbfdc9af3bd47f325cb25f8300d1b71fd9793a5fb0e108217"
       "0023d49ee834f05ff9000cba7d7b6dabed874ee9265a293329b93420d0c9d836"},
      {"3044" "02207f" + r + "0220" + s,  "7f" + r + s},
      {"3025" "02017f" "0220" + s,       zeros + "7f" + s},     // r of one byte
      {"3026" "0202" "0080" "0220" + s,  zeros + "80" + s},     // and needing its zero
      {"3045" "022100" "80" + r + "0220" + s, "80" + r + s}};  // 33 bytes
  // clang-format on
  for (const auto& [der, raw] : cases) {
    const auto converted = EcdsaP256SignatureFromDer(Bytes(der)).value_or(RawEcdsaP256Signature{});
    EXPECT_EQ(std::string(converted.begin(), converted.end()), Bytes(raw)) << der;
  }
}

TEST(EcdsaSignature, AnythingButStrictDerIsRefused) {
  const std::string r(64, '1'), s(64, '2'), good = "30440220" + r + "0220" + s;
  // clang-format off
  const std::pair<const char*, std::string> cases[] = {
      {"empty", ""},                                     {"an empty sequence", "3000"},
      {"trailing garbage", good + "00"},                 {"sequence longer than its content", "3045" + good.substr(4)},
      {"cut off", good.substr(0, good.size() - 2)},      {"sequence shorter than its content", "3043" + good.substr(4)},
      {"a set, not a sequence", "31" + good.substr(2)},  {"a bit string, not an integer", "3044" "0320" + r + "0220" + s},
      {"long-form length", "308144" + good.substr(4)},   {"a third integer", "3047" "0220" + r + "0220" + s + "020101"},
      {"only r", "3022" "0220" + r},                     {"an empty integer", "3024" "0200" "0220" + s},
      {"negative r", "3044" "0220" "80" + r.substr(2) + "0220" + s},
      {"a zero byte not needed", "3045" "0221" "00" "7f" + r.substr(2) + "0220" + s},
      {"r of 33 bytes", "3045" "0221" "11" + r + "0220" + s},
      {"s of 33 bytes after its zero", "3046" "0220" + r + "0222" "0080" + s},
      {"r and s without DER", r + s}};
  // clang-format on
  for (const auto& [what, der] : cases) EXPECT_FALSE(EcdsaP256SignatureFromDer(Bytes(der))) << what;
}

}  // namespace
}  // namespace quorvane
