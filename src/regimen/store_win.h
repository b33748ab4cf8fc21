#pragma once
#include "regimen/key_value_store.h"

namespace quorvane {

// HKEY_CURRENT_USER through the W functions, so that text the ANSI code page
// cannot hold is kept as it was typed.
class RegistryStore : public KeyValueStore {
 public:
  std::optional<StoredValue> Read(std::string_view key, std::string_view name) override;
  long WriteText(std::string_view key, std::string_view name, std::string_view utf8) override;
};

}  // namespace quorvane
