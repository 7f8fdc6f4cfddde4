// The one window of the program. Its controls are created from the
// subsystems' tables when the window is built; handlers are the subsystems'
// functions, bound to the controls by those tables.
#pragma once

#include "platform/Form.h"

class TForm_Syori_01 : public TForm {
public:
    TForm_Syori_01();  // creates every screen's controls
    void FormCreate();    // the start-up sequence
    void FormActivate();  // selects the document editor
};

extern TForm_Syori_01* Form_Syori_01;

// Controls by name; nullptr when there is no window or no such control, so
// that data code can be used without a window (tests, tools).
TControl* Ui_Control(const char* name);
TLabel* Ui_Label(const char* name);
TEdit* Ui_Edit(const char* name);
TShape* Ui_Shape(const char* name);
TPanel* Ui_Panel(const char* name);
TCheckBox* Ui_CheckBox(const char* name);
TRadioButton* Ui_RadioButton(const char* name);
