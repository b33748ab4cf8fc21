#pragma once
// The two pop-up menus of the tray icon, as data. Their own captions ("左边",
// "右边") are never shown: the window has no menu bar.
#include <span>
#include <string_view>

namespace quorvane {

enum class MenuCommand {
  ShowMainWindow,   // InfoModi "基本设置"
  MedicationLog,    // RecordYao "用药记录": does nothing
  ShowTips,         // Know "每日一问"
  Exit,             // exitTray / TuiChu "退出"
  OpenGeneralGuide, // mnuEnglish "英国重症肌无力指南"
  OpenHandbook,     // mnuTaiwan "台湾重症肌无力指南"
  OpenForumNewPosts,// newTopic "论坛新帖"
  OpenForum,        // mnuBbs "进入论坛"
  ShowOptions,      // vetMoq "找病友"
};

struct MenuItemDefinition {
  std::string_view name;
  std::string_view caption;
  int id;
  MenuCommand command;
};

struct MenuDefinition {
  std::string_view name;
  std::string_view caption;
  std::span<const MenuItemDefinition> items;
};

extern const MenuDefinition kLeftMenu;   // mnuLeft: left button
extern const MenuDefinition kRightMenu;  // mnuRight: right button

const MenuItemDefinition* FindMenuItem(int id);

}  // namespace quorvane
