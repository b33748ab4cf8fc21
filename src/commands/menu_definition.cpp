#include "commands/menu_definition.h"

namespace quorvane {
namespace {

using enum MenuCommand;

constexpr MenuItemDefinition kLeftItems[] = {
    {"基本设置", 2001, ShowMainWindow},
    {"用药记录", 2002, MedicationLog},
    {"每日一问", 2003, ShowTips},
    {"退出", 2004, Exit},
};

constexpr MenuItemDefinition kRightItems[] = {
    {"英国重症肌无力指南", 2101, OpenGeneralGuide},
    {"台湾重症肌无力指南", 2102, OpenHandbook},
    {"论坛新帖", 2103, OpenForumNewPosts},
    {"进入论坛", 2104, OpenForum},
    {"找病友", 2105, ShowOptions},
    {"退出", 2106, Exit},
};

}  // namespace

const MenuDefinition kLeftMenu{kLeftItems};
const MenuDefinition kRightMenu{kRightItems};

}  // namespace quorvane
