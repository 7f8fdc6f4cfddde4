// Which folder created each control of the window. A control belongs to the
// folder whose code built it (ui/Build.h records it); that folder alone looks
// it up by name. What another folder needs of it goes through a function the
// owning folder declares, or through the registry (ui/Screen.h).
//
// A folder is named by its path from the top of the source tree, as its
// files stand there: "editor", "print/preview", "masters/customers".
#pragma once

#include <source_location>
#include <string>

class TControl;

// The folder of a source file, from the path its compiler was given (the
// source tree's own, or a layer's link to it): "masters/customers" for
// ".../masters/customers/KokyakuControls.cpp". Empty for a file outside the
// system's folders (the tests, the tools, the benchmarks), whose lookups are
// not checked.
std::string Owner_FolderOfFile(const char* path);
// The folder of the code at a source location.
const std::string& Owner_FolderOf(const std::source_location& where);

// Records the folder that created the control (a control created again
// under the same address takes its new owner).
void Owner_Set(const TControl* control, const std::string& folder);
// The folder that created the control; empty when none was recorded.
const std::string& Owner_Of(const TControl* control);
// Whether code in the folder may look the control up: its own control; ui/
// (the mechanism, by the names the records and tables hand it); code outside
// the system's folders; a control the builder did not make.
bool Owner_MayLookUp(const TControl* control, const std::source_location& where);
// A new window: every owner forgotten.
void Owner_Clear();
