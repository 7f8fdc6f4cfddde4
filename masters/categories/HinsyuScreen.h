// The category screen.
#pragma once

class TForm;

extern int Hinsyu_Top;
extern int Hinsyu_CurRec;
extern int Hinsyu_Row;

void Hinsyu_CreateControls(TForm& form);
void Hinsyu_ShowPage();
