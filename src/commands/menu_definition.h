#pragma once
// The two pop-up menus of the tray icon, as data.
#include <span>
#include <string_view>

namespace quorvane {

enum class MenuCommand {
  ShowMainWindow,     // "基本设置"
  MedicationLog,      // "用药记录"
  ShowTips,           // "每日一问"
  Exit,               // "退出"
  OpenGeneralGuide,   // "英国重症肌无力指南"
  OpenHandbook,       // "台湾重症肌无力指南"
  OpenForumNewPosts,  // "论坛新帖"
  OpenForum,          // "进入论坛"
  ShowOptions,        // "找病友"
};

struct MenuItemDefinition {
  std::string_view caption;
  int id;
  MenuCommand command;
};

struct MenuDefinition {
  std::span<const MenuItemDefinition> items;
};

extern const MenuDefinition kLeftMenu;   // the left button's
extern const MenuDefinition kRightMenu;  // the right button's

}  // namespace quorvane
