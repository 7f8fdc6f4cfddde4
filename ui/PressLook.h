// Labels that act as buttons show a press: a label on a shape turns red
// with its shape while the mouse button is held on it and olive again on
// release; an arrow's text turns red and back to its colour at rest. Each
// colour is set only when it differs. The folder that built the controls
// hands them over.
#pragma once

#include "platform/Types.h"

class TControl;
class TLabel;
class TShape;

void PressLook_Button(TShape& shape, TLabel& label);
void PressLook_Arrow(TControl& arrow, TColor rest);
