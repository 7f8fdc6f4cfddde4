// The customer screen and the customer chooser's list.
#pragma once

class TForm;

extern int Kokyaku_Top;  // first record shown
extern int Kokyaku_Row;  // cursor row

void Kokyaku_CreateControls(TForm& form);
void Kokyaku_ShowPage();
void KokyakuChoose_ShowPage();
