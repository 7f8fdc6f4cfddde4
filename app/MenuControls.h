// The job menu across the top and the function-key bar along the bottom:
// their controls. The bar's state is in ui/CommandBar.h.
#pragma once

class TForm;

void Menu_CreateControls(TForm& form);
void CommandBar_CreateControls(TForm& form);
