#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

// The records of a #SYSTEM file (a DWORD version, then WORD code, WORD
// length and data, again and again), grouped by code in file order.
std::map<std::uint16_t, std::vector<std::string>> systemRecords(const std::string& system);
