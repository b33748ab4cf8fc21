#include "regimen/regimen_editing.h"

#include "regimen/record.h"
#include "regimen/regimen_store.h"

namespace quorvane {

void SaveEditedRegimen(const RegimenValues& values, KeyValueStore& store, MessageBoxes& boxes) {
  for (const std::string* text : {&values.drugName, &values.dose, &values.startDate})
    if (text->find('|') != std::string::npos) return boxes.Show(kSeparatorRefused);
  const long status = SaveRegimen(store, BuildRegimen(values));
  boxes.Show(status == 0 ? kRegimenSaved : kRegimenNotSaved);
}

}  // namespace quorvane
