// The product screen.
#pragma once

class TForm;

extern int Syouhin_Top;
extern int Syouhin_Row;

void Syouhin_CreateControls(TForm& form);
void Syouhin_ShowPage();
