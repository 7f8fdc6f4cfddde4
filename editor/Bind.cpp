#include "editor/Bind.h"

#include "editor/Controls.h"
#include "editor/Grid.h"
#include "editor/Header.h"
#include "editor/Syousai.h"
#include "platform/Form.h"
#include "ui/Build.h"

void Editor_BindHandlers(TForm& form) {
    for (int field = Header_FirstField; field <= Header_LastField; ++field) {
        TControl* edit = form.Find(Header_EditName(field));
        if (!edit) continue;
        edit->OnEnter = [field](TControl*) { Edit_DenpHeader_Enter(field); };
        edit->OnExit = [field](TControl*) { Edit_DenpHeader_Exit(field); };
        edit->OnKeyDown = [field](TControl*, Word key, TShiftState) { Edit_DenpHeader_KeyDown(field, key); };
    }
    for (int row = 1; row <= Denpyou_GridRows; ++row) {
        TControl* edit = form.Find(Ui_RowName(Grid_Column(GridColumn_Syousai).Edit, row));
        if (!edit) continue;
        edit->OnEnter = [row](TControl*) { Edit_DenpSyousai_Enter(row); };
        edit->OnExit = [row](TControl*) { Edit_DenpSyousai_Exit(row); };
        edit->OnKeyDown = [row](TControl*, Word key, TShiftState) { Edit_DenpSyousai_KeyDown(row, key); };
    }
}
