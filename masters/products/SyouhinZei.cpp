#include "masters/products/SyouhinZei.h"

#include <cstring>
#include <string>

#include "masters/products/SyouhinScreen.h"
#include "platform/Controls.h"
#include "ui/Build.h"
#include "ui/Focus.h"
#include "ui/Ui.h"

namespace {

constexpr int Width = Syouhin_FieldWidth[SyouhinField_Zei];

// The class after the one shown: anything but the three classes is
// followed by "外税".
const char* NextClass(const std::string& shown) {
    static const char* const cycle[] = {"外税", "内税", "なし", "    "};
    for (int i = 0; i < 3; ++i)
        if (shown == cycle[i]) return cycle[i + 1];
    return cycle[0];
}

}  // namespace

void Syouhin_ZeiClick(int row) {
    if (Popup_Lock || Syouhin_Top + row > Syouhin_Count) {
        Focus_Restore();
        return;
    }
    TEdit* cell = Syouhin_CellEdit(SyouhinColumn_Zei, row);
    if (!cell) return;
    // The cell left commits first; this one becomes the cursor's.
    cell->SetFocus();
    if (!cell->Focused()) return;
    const char* next = NextClass(Str_CommitText(cell->Text(), Width, TCommitForm::Left));
    std::memcpy(Syouhin_Field[SyouhinField_Zei], next, Width + 1);
    cell->SetText(next);
    if (TLabel* label = Ui_Label(Ui_RowName("Label_Syouhin_Zei_", row + 1).c_str())) label->SetCaption(next);
    // Stored by the cell's commit, when it is left or on Return.
}
