// The job menu across the top and the function-key bar along the bottom, on
// the window's panels (their mechanism: ui/Menu.h, ui/CommandBar.h).
#pragma once

class TForm;

void Shell_CreateMenu(TForm& form);
