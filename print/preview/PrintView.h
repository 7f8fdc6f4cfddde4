// The print preview (Panel_PrintView), shown over the editor by its F3.
// Built so far: the print-date edits that printing reads.
#pragma once

class TForm;

void PrintView_CreateControls(TForm& form);
// Start-up: the print date shows today (era year, month, day).
void PrintView_ShowToday();

// Registers the preview and the F9 that starts the breakdown title over.
void PrintView_Register();
