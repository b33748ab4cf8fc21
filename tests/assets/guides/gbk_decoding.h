#pragma once

#include <optional>
#include <string>
#include <string_view>

// GBK (code page 936) to UTF-8, or nothing when the bytes are not valid GBK.
std::optional<std::string> decodeGbk(std::string_view gbk);
