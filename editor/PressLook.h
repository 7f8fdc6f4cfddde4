// Labels that act as buttons show a press: a label on a shape turns red
// with its shape while the mouse button is held on it and olive again on
// release; an arrow's text turns red and back to its colour at rest. Each
// colour is set only when it differs.
#pragma once

#include "platform/Types.h"

class TForm;
class TControl;

void PressLook_Button(TForm& form, const char* shape, const char* label);
void PressLook_Arrow(TControl& arrow, TColor rest);
