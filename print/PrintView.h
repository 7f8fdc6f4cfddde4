// The print preview.
#pragma once

class TForm;

void PrintView_CreateControls(TForm& form);
