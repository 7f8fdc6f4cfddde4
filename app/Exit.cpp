#include "app/Exit.h"

#include "app/Folders.h"  // the editor's Denpyou_BeingTyped (app/ names each folder in that list alone)
#include "app/Syori_01.h"
#include "platform/Application.h"
#include "ui/Build.h"
#include "ui/CommandBar.h"
#include "ui/Focus.h"
#include "ui/Folder.h"
#include "ui/Menu.h"
#include "ui/Screen.h"
#include "ui/Ui.h"

bool ExitChoose_No = true;
const TLockHolder Lock_ExitChoose{"the exit question"};

namespace {

constexpr TColor Exit_PanelColor = 14803455;  // light pink

// The control that had the focus when the question was shown: where "いいえ"
// goes back to when the focus code names no control that can take it.
TControl* Exit_ReturnTo = nullptr;
// The caret and selection of that control when it is an edit: the
// question's focus-out and the focus-in back (which selects the whole text)
// would leave the text typed so far selected, for the next key to replace.
struct {
    int Start = 0, Length = 0;
} Exit_ReturnSel;

void Exit_HideQuestion() {
    if (TPanel* p = Ui_Panel("Panel_ExitChoose")) p->Hide();
    Popup_LockRelease(Lock_ExitChoose);
}

// "いいえ": back to the control of the current code. On the data maintenance
// screen that code still names a field of the screen shown before (the drive
// box stores none), which is hidden now; the drive box that had the focus
// takes it back rather than leaving the keys with no control at all.
void Exit_GoBack() {
    Focus_Restore();
    TControl* back = Exit_ReturnTo;
    Exit_ReturnTo = nullptr;
    if (!Form_Syori_01 || !back) return;
    if (!Form_Syori_01->ActiveControl() && back->CanFocus()) back->SetFocus();
    if (auto* edit = dynamic_cast<TEdit*>(back); edit && Form_Syori_01->ActiveControl() == edit)
        edit->SetSel(Exit_ReturnSel.Start, Exit_ReturnSel.Length);
}

const TScreen Exit_Screen{
    .Panel = "Panel_ExitChoose",
    .Over = Job_Every,
    .Shown = [] { return Ui_Shown("Panel_ExitChoose"); },
    .Menu = {.No = Menu_Entries, .Caption = "終　了"},  // the right end
    // While the question holds the keys the wheel moves nothing under it
    // (the grid's cursor would take the focus from the question).
    .Wheel = [](bool) {},
    .Open = App_Exit,
};

}  // namespace

void Exit_Register() { Screen_Register(Exit_Screen); }

void Exit_CreateControls(TForm& form) {
    auto& panel = Ui_Built<TPanel>(form, "Panel_ExitChoose");
    panel.Color = Exit_PanelColor;
    static const TControlSpec specs[] = {
        {TControlKind::Label, "Label174", "Panel_ExitChoose", 80, 26, 343, 15,
         "入力中の伝票があります。終了してもよろしいですか？", clNone, clBlack, -15, Font_PGothic},
        {TControlKind::Shape, "Shape_Exit_Yes", "Panel_ExitChoose", 112, 70, 97, 33},
        {TControlKind::Label, "Label_Exit_Yes", "Panel_ExitChoose", 116, 78, 90, 17, "は　い", clOlive, clWhite,
         -15, Font_Gothic, TAlignment::taCenter},
        {TControlKind::Shape, "Shape_Exit_No", "Panel_ExitChoose", 272, 70, 97, 33},
        {TControlKind::Label, "Label_Exit_No", "Panel_ExitChoose", 276, 78, 90, 17, "いいえ", clOlive, clWhite,
         -15, Font_Gothic, TAlignment::taCenter},
        // "Exeit" is the program's own spelling of the key catcher's name.
        {TControlKind::Edit, "Edit_ExeitChoose", "Panel_ExitChoose", 384, 80, 0, 14},
    };
    Ui_BuildAll(form, specs);
    for (const char* name : {"Shape_Exit_Yes", "Shape_Exit_No"}) {
        auto& shape = Ui_Built<TShape>(form, name);
        shape.Pen.Color = clGray;
        shape.Brush.Color = clOlive;
    }
    Ui_Built<TShape>(form, "Shape_Exit_No").Pen.Width = 2;

    auto& edit = Ui_Built<TEdit>(form, "Edit_ExeitChoose");
    edit.MaxLength = 1;
    edit.ImeMode = TImeMode::imClose;
    edit.TabStop = false;
    edit.OnEnter = [](TControl*) { Edit_ExeitChooseEnter(); };
    edit.OnExit = [](TControl*) { Edit_ExeitChooseExit(); };
    edit.OnKeyDown = [](TControl*, Word key, TShiftState) { Edit_ExeitChooseKeyDown(key); };
    Ui_Built(form, "Label_Exit_Yes").OnClick = [](TControl*) { Label_Exit_YesClick(); };
    Ui_Built(form, "Label_Exit_No").OnClick = [](TControl*) { Label_Exit_NoClick(); };
}

void Exit_Reset() {
    ExitChoose_No = true;
    Exit_ReturnTo = nullptr;
    Exit_ReturnSel = {};
}

void App_Exit() {
    // The unit list's edit mode ends, the product chooser closes.
    Screen_LeaveAll();
    Screen_DismissAll();
    if (!Denpyou_BeingTyped()) {
        Exit_SaveAndEnd();
        return;  // a save failed: the program goes on
    }

    // A document is being typed: ask first.
    Popup_LockTake(Lock_ExitChoose);
    TPanel* panel = Ui_Panel("Panel_ExitChoose");
    TEdit* edit = Ui_Edit("Edit_ExeitChoose");
    if (!panel || !edit) return;
    if (!panel->Visible()) {
        Exit_ReturnTo = Form_Syori_01->ActiveControl();
        if (const auto* e = dynamic_cast<const TEdit*>(Exit_ReturnTo)) Exit_ReturnSel = {e->SelStart(), e->SelLength()};
        panel->SetBounds(308, 308, panel->Width, panel->Height);
        panel->Show();
    }
    if (edit->Focused()) Edit_ExeitChooseEnter();  // asked again: "いいえ" once more
    else edit->SetFocus();
}

void ExitChoose_ShowChoice() {
    Button_Paint("Shape_Exit_Yes", "Label_Exit_Yes", ExitChoose_No ? clOlive : clRed);
    Button_Paint("Shape_Exit_No", "Label_Exit_No", ExitChoose_No ? clRed : clOlive);
}

void Exit_SaveAndEnd() {
    // The saves of data that lives only in memory (the categories, the last
    // number with the own-company record, the units). When a file is there
    // but was not written, ending now would lose what the file lacks: the
    // user has been told which file it was ("Hinsyu.620を保存できませんでした。")
    // and the program goes on, with the focus back where it was; the next
    // exit runs the whole sequence again.
    if (!Folder_SaveAll()) {
        if (Form_Syori_01 && !Form_Syori_01->ActiveControl()) Exit_GoBack();  // the question took the focus away
        return;
    }
    // The sorts only once every save went through: an exit that a save stops
    // goes back to screens that still show their files' order. A sort (or
    // the purge) that fails says so, and the exit ends all the same: its
    // file keeps the order (or the documents) it had.
    Folder_SortAll();
    Application_Terminate(-1);
}

void Edit_ExeitChooseEnter() {
    ExitChoose_No = true;
    ExitChoose_ShowChoice();
}

void Edit_ExeitChooseExit() {}

void Edit_ExeitChooseKeyDown(unsigned short key) {
    switch (key) {
        case vk::Return:
            Exit_HideQuestion();
            if (ExitChoose_No) Exit_GoBack();
            else Exit_SaveAndEnd();
            break;
        case vk::Left:
        case vk::Right:
            ExitChoose_No = !ExitChoose_No;
            ExitChoose_ShowChoice();
            break;
        default:
            break;
    }
}

void Label_Exit_YesClick() {
    Exit_HideQuestion();
    Exit_SaveAndEnd();
}

void Label_Exit_NoClick() {
    Exit_HideQuestion();
    Exit_GoBack();
}
