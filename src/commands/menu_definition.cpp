#include "commands/menu_definition.h"

namespace quorvane {
namespace {

using enum MenuCommand;

constexpr MenuItemDefinition kLeftItems[] = {
    {"InfoModi", "基本设置", 2001, ShowMainWindow},
    {"RecordYao", "用药记录", 2002, MedicationLog},
    {"Know", "每日一问", 2003, ShowTips},
    {"exitTray", "退出", 2004, Exit},
};

constexpr MenuItemDefinition kRightItems[] = {
    {"mnuEnglish", "英国重症肌无力指南", 2101, OpenGeneralGuide},
    {"mnuTaiwan", "台湾重症肌无力指南", 2102, OpenHandbook},
    {"newTopic", "论坛新帖", 2103, OpenForumNewPosts},
    {"mnuBbs", "进入论坛", 2104, OpenForum},
    {"vetMoq", "找病友", 2105, ShowOptions},
    {"TuiChu", "退出", 2106, Exit},
};

}  // namespace

const MenuDefinition kLeftMenu{"mnuLeft", "左边", kLeftItems};
const MenuDefinition kRightMenu{"mnuRight", "右边", kRightItems};

const MenuItemDefinition* FindMenuItem(int id) {
  for (const MenuDefinition* menu : {&kLeftMenu, &kRightMenu})
    for (const MenuItemDefinition& item : menu->items)
      if (item.id == id) return &item;
  return nullptr;
}

}  // namespace quorvane
