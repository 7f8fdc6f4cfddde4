// The frame shapes that mark the cursor cell or row of a grid or list (the
// editor's cells, the unit chooser's rows): red and 2 wide on the cursor,
// 1 wide in their resting colour elsewhere.
#pragma once

#include "platform/Types.h"

class TShape;

// A frame drawn red of width 2, or at rest in the given colour with width 1;
// each only when it differs.
void Frame_Mark(TShape* frame);
void Frame_Rest(TShape* frame, TColor color);
