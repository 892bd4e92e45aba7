// Moving lists in and out: 导出… writes the list through the system's save
// dialog in the list file's format; 导入… reads one through the open dialog
// and replaces the list or appends to it.
#pragma once

#include <string>

#include "app/ClickListFields.h"
#include "app/ClickListMenu.h"

namespace app {

void ExportClickList(const TClickListFields& fields, const TAskUser& ask);
void ImportClickList(const TClickListFields& fields, const TAskUser& ask);

// The part of import after the dialog, for a file already chosen.
void ImportClickListFrom(const std::wstring& path, const TClickListFields& fields,
                         const TAskUser& ask);

}  // namespace app
