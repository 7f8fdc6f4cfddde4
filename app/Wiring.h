// The window's wiring: the walk of the folder records (app/Folders.h) and
// the window's own controls and records.
#pragma once

class TForm;

// Hands the list of folders to the walk, registers the window's and every
// folder's records (ui/Screen.h) and hands the focus-code table to the focus
// protocol. First, before any control: the job menu is built from the
// records.
void Wiring_Register();
// Creates every panel, the window's own controls (the job menu from the
// records) and every folder's controls with their handlers.
void Wiring_CreateControls(TForm& form);
// Every folder's state as at start, each by its own reset: the shell's
// mechanism (ui), the document, each record's Reset, the window's own.
void Wiring_Reset();
