// The job menu's and the function-key bar's mouse handlers: screen changes,
// commands, the exit entry and the pressed look of the labels that act as
// buttons.
#pragma once

class TForm;

// Binds the handlers to the menu, the bar and the half-page labels.
void Menu_BindHandlers(TForm& form);
// Binds the window's wheel (FormMouseWheelDown, FormMouseWheelUp) to the
// wheel's dispatch (ui/Commands.h).
void Wheel_BindHandlers(TForm& form);

// Label_Job_01Click ... Label_Job_07Click, Label_Job_09Click: menu entry 1 ... 9.
void Label_Job_Click(int menuNo);
// Label_Job_10Click: the exit entry.
void Label_Job_10Click();
// Label_Command_01_F1Click ... Label_Command_01_ESCClick: cell 0 ... 9.
void Label_Command_01_Click(int cell);
// Whether a click on the cell runs its command now.
bool Label_Command_01_Runs(int cell);
// The pressed look of the bar's cells.
void Label_Command_01_MouseDown(int cell);
void Label_Command_01_MouseUp(int cell);
