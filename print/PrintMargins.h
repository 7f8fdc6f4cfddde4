// The print margins read at start-up from the own-company record (fields 33
// and 34), in millimetres; the document's and the list's printing move their
// page origin by them.
#pragma once

extern int Print_LeftMargin;  // millimetres
extern int Print_TopMargin;
