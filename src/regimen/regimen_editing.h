#pragma once
// "修改": the values shown in the main window become the stored record.
#include <string_view>

#include "base/message_boxes.h"
#include "regimen/key_value_store.h"
#include "regimen/regimen_values.h"

namespace quorvane {

inline constexpr std::string_view kRegimenSaved = "修改后的信息成功保存！";
inline constexpr std::string_view kRegimenNotSaved = "修改后的信息保存失败！";
inline constexpr std::string_view kSeparatorRefused =
    "药名、用量和开始日期不能包含“|”，这次没有保存。请删去“|”后再点“修改”。";

// Saves the values and says whether that worked. The record joins its fields
// with "|", so a "|" in a text would move the later fields at the next start:
// such values are refused and the stored record stays as it was.
void SaveEditedRegimen(const RegimenValues& values, KeyValueStore& store, MessageBoxes& boxes);

}  // namespace quorvane
