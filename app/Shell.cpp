#include "app/Shell.h"

#include "app/Exit.h"
#include "platform/Form.h"
#include "ui/Commands.h"

void Shell_Reset() {
    Exit_Reset();
    Activate_Reset();
}

void Shell_CreateControls(TForm& form) {
    Exit_CreateControls(form);
    // The window's wheel, one event per notch, to the records in force.
    form.OnMouseWheelDown = [](TShiftState, int, int) { Wheel_Turn(true); };
    form.OnMouseWheelUp = [](TShiftState, int, int) { Wheel_Turn(false); };
}
