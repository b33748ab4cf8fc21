// What the test driver and quorvane_menuhook.dll agree on. The DLL runs inside
// the program under test; the driver asks it, by a message sent to an open
// pop-up menu window, to copy that menu's item captions into a named file
// mapping, because another process cannot read a menu's items itself.
#pragma once

#include <cstdint>

namespace quorvane_e2e::menu_hook {

// Registered window message sent to the "#32768" pop-up menu window.
inline constexpr wchar_t kReadItemsMessage[] = L"QuorvaneE2E.ReadMenuItems";

// Exported name of the WH_CALLWNDPROC hook procedure in the DLL.
inline constexpr char kHookProcName[] = "QuorvaneMenuHookProc";

// The mapping is per process of the program: this prefix and its process id.
inline constexpr wchar_t kMappingNamePrefix[] = L"QuorvaneE2E.MenuItems.";

inline constexpr std::uint32_t kMappingBytes = 64 * 1024;

// Layout of the mapping: a header, then the captions, each ended by a NUL.
struct MappingHeader {
  std::uint32_t itemCount;      // -1 as unsigned when the window had no menu
  std::uint32_t textCharCount;  // wide characters after the header
};

inline constexpr std::uint32_t kMaxTextChars = (kMappingBytes - sizeof(MappingHeader)) / sizeof(wchar_t);

}  // namespace quorvane_e2e::menu_hook
