// The job menu across the top and the function-key bar along the bottom, on
// the window's panels (their mechanism: ui/Menu.h, ui/CommandBar.h). The
// menu's entries and captions are the records' (ui/Screen.h: Menu).
#pragma once

class TForm;

void Shell_CreateMenu(TForm& form);
