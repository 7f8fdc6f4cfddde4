// The preview's event handlers, bound to its controls by
// PrintView_CreateControls.
#pragma once

#include "platform/Types.h"

// The four command labels, by the key they are named after (1, 5, 6, 9).
void Label_PanelPrintView_F1Click();
void Label_PanelPrintView_F5Click();
void Label_PanelPrintView_F6Click();
void Label_PanelPrintView_F9Click();
// Their press colours: red while the button is held down on them.
void Label_PanelPrintView_MouseDown(int key);
void Label_PanelPrintView_MouseUp(int key);

// The title click: the next breakdown title.
void Label_PrintViewTitleClick();

// The title of a breakdown statement by Utiwake_Kind.
const char* PrintView_UtiwakeTitle();
