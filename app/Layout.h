// The screens: panels laid over one another in the window.
#pragma once

class TForm;

// Creates every screen's panel (hidden) with its place in the window.
void Layout_CreatePanels(TForm& form);
// Gives every screen panel its bounds and visibility, and the window its size.
void Form_LayoutPanels();
