// The screens: panels laid over one another in the window.
#pragma once

// Gives every panel its bounds and visibility as start-up leaves them, and
// the window its size.
void Form_LayoutPanels();
