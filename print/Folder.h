// The print's folder record (ui/Folder.h): the print margins' edits on the
// editor and on the list.
#pragma once

#include "print/PrintMargins.h"
#include "ui/Folder.h"

inline constexpr TFolder Print_Folder{
    .Path = "print",
    .FocusCodes = PrintMargin_FocusCodes,
    .CreateControls = PrintMargin_CreateControls,
    .Start = PrintMargin_Start,
};
