#pragma once
// The current user's registry hive, as far as the program uses it.
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace quorvane {

struct StoredValue {
  // Text values (REG_SZ and kin) are kept as UTF-16LE bytes; anything else
  // arrives as the raw bytes that were stored.
  bool isText = false;
  std::vector<std::uint8_t> data;
};

class KeyValueStore {
 public:
  virtual ~KeyValueStore() = default;
  // key is a path below HKEY_CURRENT_USER, e.g. "Software".
  virtual std::optional<StoredValue> Read(std::string_view key, std::string_view name) = 0;
  // Creates the key when missing and stores text; returns 0 on success,
  // otherwise the system's error code.
  virtual long WriteText(std::string_view key, std::string_view name, std::string_view utf8) = 0;
};

}  // namespace quorvane
