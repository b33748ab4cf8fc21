#pragma once
#include <windows.h>

#include "guides/guide_documents.h"

namespace quorvane {

// Writes the guide out of the program file and opens it; tells the user when
// the file cannot be written.
void OpenGuide(const GuideDocument& guide, HWND window);

}  // namespace quorvane
