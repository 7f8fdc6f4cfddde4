// The one window of the program. Its controls are created from the
// subsystems' tables when the window is built; handlers are the subsystems'
// functions, bound to the controls by those tables.
#pragma once

#include "platform/Form.h"

class TForm_Syori_01 : public TForm {
public:
    // Creates every screen's controls, then becomes Form_Syori_01 and the
    // window the control lookups (ui/Ui.h) search.
    TForm_Syori_01();
    ~TForm_Syori_01();
    void FormCreate();    // the start-up sequence
    void FormActivate();  // selects the document editor
};

// The window while it exists; nullptr before and after.
extern TForm_Syori_01* Form_Syori_01;
