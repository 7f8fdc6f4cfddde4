// The window's wiring: the walk of the folder records (app/Folders.h) and
// the window's own controls and records.
#pragma once

class TForm;

// Creates every panel, the window's own controls and every folder's controls
// with their handlers.
void Wiring_CreateControls(TForm& form);
// Registers the window's and every folder's records (ui/Screen.h) and hands
// the focus-code table to the focus protocol.
void Wiring_Register();
// Every folder's state as at start, each by its own reset: the shell's
// mechanism (ui), the document, each record's Reset, the window's own.
void Wiring_Reset();
