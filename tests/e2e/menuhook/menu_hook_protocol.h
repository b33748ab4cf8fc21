// What the test driver and quorvane_menuhook.dll agree on. The DLL runs inside
// the program under test, hooked into its user-interface thread. Another
// process cannot read a menu's items, so the driver asks the DLL, by a message
// sent to an open pop-up menu window, to copy that menu's items into a named
// file mapping. The DLL also notes there, on its own, when a pop-up menu
// window comes and goes, the keys its modal loop takes, and which item was
// selected when it took an Enter key.
#pragma once

#include <cstdint>

namespace quorvane_e2e::menu_hook {

// Registered window message sent to the "#32768" pop-up menu window.
inline constexpr wchar_t kReadItemsMessage[] = L"QuorvaneE2E.ReadMenuItems";

// Exported names of the DLL's hook procedures: a WH_CALLWNDPROC hook that
// answers the read message and sees menu windows come and go, and a
// WH_MSGFILTER hook that sees every message a menu's modal loop takes.
inline constexpr char kCallWndProcName[] = "QuorvaneMenuCallWndProc";
inline constexpr char kMessageFilterName[] = "QuorvaneMenuMessageFilter";

// The mapping is per process of the program: this prefix and its process id.
inline constexpr wchar_t kMappingNamePrefix[] = L"QuorvaneE2E.MenuItems.";

inline constexpr std::uint32_t kMappingBytes = 64 * 1024;

// Layout of the mapping: a header, then the captions, each ended by a NUL.
struct MappingHeader {
  // Kept up to date by the DLL.
  std::uint32_t menusOpened;     // pop-up menu windows created so far
  std::uint32_t menusClosed;     // and destroyed
  std::uint32_t keysTaken;       // key presses taken by a menu's modal loop
  std::uint32_t entersTaken;     // of them Enter
  std::int32_t selectedAtEnter;  // the item selected at the last Enter, or -1
  // Written for each read message.
  std::uint32_t itemCount;      // -1 as unsigned when the window had no menu
  std::uint32_t textCharCount;  // wide characters after the header
  std::int32_t selected;        // position of the selected item, or -1
};

inline constexpr std::uint32_t kMaxTextChars = (kMappingBytes - sizeof(MappingHeader)) / sizeof(wchar_t);

}  // namespace quorvane_e2e::menu_hook
