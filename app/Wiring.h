// The window's wiring: every folder's controls, handlers and records, in
// one place. A new screen adds its calls here.
#pragma once

class TForm;

// Creates every screen's controls and binds their handlers.
void Wiring_CreateControls(TForm& form);
// Registers every folder's records (ui/Screen.h) and hands the focus-code
// table to the focus protocol.
void Wiring_Register();
// Every folder's state as at start, each by its own reset: the shell's
// mechanism (ui), the document, each record's Reset, the window's own.
void Wiring_Reset();
