// Printing the document in the editor on A4 portrait, one sheet per page,
// then storing it.
#pragma once

#include "print/PrintInputs.h"

// Prints the document held in the editor (Denpyou_Field) on Printer(): 22
// detail lines on page 1, 28 on each later page, up to the last line with a
// description. Reads the checked kind button, Utiwake_Kind, the honorific
// label, the own-company settings, the print margins and what the preview
// gathered: its print date, whose era it shows on the preview's label, and
// its no-date box. An invoice then takes a valid print date as its issue
// date, and the document is stored by the editor's store command, which
// shows a new document.
// Nothing is printed or stored when no line has a description. A job that
// fails to start or to finish stores nothing and leaves the document and
// the editor as they were: false then (the user has been told), else true.
bool Denpyou_Print(const TPrintPreview& preview);
