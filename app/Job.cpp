#include "app/Job.h"

#include <cstring>
#include <initializer_list>

#include "app/Build.h"
#include "app/CommandBar.h"
#include "app/Syori_01.h"
#include "masters/customers/KokyakuScreen.h"
#include "print/DenpyouList.h"
#include "print/list/DenpyouListPage.h"
#include "print/list/DenpyouListSearch.h"
#include "store/Denpyou.h"
#include "store/Str.h"

int Job_Current = Job_Denpyou;

void Job_DenpyouCaptions() {
    static const char* const captions[9] = {"F1 伝票登録", "F2 伝票削除", "F3 伝票印刷",
                                            "F4 行削除",   "F5 行挿入",   "F6 伝票複写",
                                            "F7 前伝票",   "F8 次伝票",   "F9 伝票追加"};
    for (int key = 1; key <= 9; ++key) Command_SetCaption(key, captions[key - 1]);
}

namespace {

// The screens in the order Job_Show works through them.
struct TJobScreen {
    int Job;
    int MenuNo;         // Label_Job_NN / Shape_Job_NN
    const char* Panel;
    const char* First;  // focused when the screen is shown
};
constexpr TJobScreen Job_Screens[] = {
    {Job_Denpyou, 1, "Panel_Denpyou", "Edit_DenpKokyakuName_1"},
    {Job_DenpyouList, 2, "Panel_DenpyouList", "Edit_DenpyouList_SearchName"},
    {Job_Kokyaku, 3, "Panel_Kokyaku", "Edit_PanelKokyaku_Name_1_01"},
    {Job_Hinsyu, 4, "Panel_Hinsyu", "Edit_Hinsyu_Name_01"},
    {Job_Syouhin, 5, "Panel_Syouhin", "Edit_Syouhin_Name_01"},
    {Job_Jisya, 6, "Panel_Jisya", "Edit_JisyaName_1"},
    {Job_BackUp, 7, "Panel_BackUp", "BackupDriveComboBox"},
    {Job_Gyousyu, 9, "Panel_Gyousyu", "Edit_Naiyou"},
};

// Menu entry 1 ... 10 (shape and label) in the colour: navy for the screen shown.
void Menu_Paint(int menuNo, TColor color) {
    Button_Paint(Ui_RowName("Shape_Job_", menuNo).c_str(), Ui_RowName("Label_Job_", menuNo).c_str(), color);
}

void Focus_First(const char* name) {
    if (TControl* c = Ui_Control(name)) c->SetFocus();
}

// Shows the panel; true when it was hidden before.
bool Show_Panel(const char* name) {
    TPanel* panel = Ui_Panel(name);
    if (!panel) return false;
    const bool wasHidden = !panel->Visible();
    panel->Show();
    return wasHidden;
}

// F1 ... F9 := 0, then the keys listed (1 ... 9) := 1.
void Bar_Only(std::initializer_list<int> keys) {
    for (int i = 0; i < 9; ++i) Command_Enabled[i] = 0;
    for (int key : keys) Command_Enabled[key - 1] = 1;
    Command_ShowEnabled();
}

void Show_Denpyou(const TJobScreen& s) {
    if (Show_Panel(s.Panel)) Focus_First(s.First);
    for (int& flag : Command_Enabled) flag = 1;
    if (Denpyou_CurRec >= 1 && Denpyou_CurRec <= Denpyou_Count) {
        Command_Enabled[3] = 0;  // F4
        Command_Enabled[4] = 0;  // F5
    } else {
        if (Denpyou_Count == 0) Command_Enabled[6] = 0;  // F7: nothing to step back to
        for (int key : {2, 4, 5, 6, 8, 9}) Command_Enabled[key - 1] = 0;
    }
    Command_ShowEnabled();
    Job_DenpyouCaptions();
}

void Show_DenpyouList(const TJobScreen& s) {
    if (Show_Panel(s.Panel)) {
        // Search for the customer of the document in the editor, or for all.
        Str_Spaces(DenpyouList_SearchName_1, 40);
        Str_Spaces(DenpyouList_SearchName_2, 40);
        std::memcpy(DenpyouList_SearchName_1, Denpyou_Field[2], 40);
        std::memcpy(DenpyouList_SearchName_2, Denpyou_Field[3], 40);
        if (DenpyouList_SearchName_1[0] == ' ') {
            Str_Pad("全顧客", DenpyouList_SearchName_1, 40, 0);
            Str_Spaces(DenpyouList_SearchName_2, 40);
        }
        DenpyouList_ResetSearch();
        if (TLabel* l = Ui_Label("Label_DenpyouList_SearchName_1")) l->SetCaption(DenpyouList_SearchName_1);
        if (TLabel* l = Ui_Label("Label_DenpyouList_SearchName_2")) l->SetCaption(DenpyouList_SearchName_2);
        DenpyouList_MakeHitList();
        DenpyouList_ShowResult();
        if (DenpyouList_HitCount == 0) Focus_First(s.First);
    }
    Bar_Only({});
}

void Show_Kokyaku(const TJobScreen& s) {
    Show_Panel(s.Panel);
    Kokyaku_ScreenShown();
    Focus_First(s.First);  // every time, not only when the screen was hidden
    Bar_Only({4, 5, 7, 8, 9});
    Command_SetCaption(7, "F7 前頁");
    Command_SetCaption(8, "F8 次頁");
    Command_SetCaption(9, "F9 顧客追加");
}

void Show_Hinsyu(const TJobScreen& s) {
    if (Show_Panel(s.Panel)) Focus_First(s.First);
    Bar_Only({4, 5, 7, 8});
    Command_SetCaption(7, "F7 前頁");
    Command_SetCaption(8, "F8 次頁");
}

void Show_Syouhin(const TJobScreen& s) {
    if (Show_Panel(s.Panel)) Focus_First(s.First);
    Bar_Only({4, 5, 7, 8, 9});
    Command_SetCaption(7, "F7 前頁");
    Command_SetCaption(8, "F8 次頁");
    Command_SetCaption(9, "F9 商品追加");
}

// Own company, data maintenance and wording: no key of the bar.
void Show_Plain(const TJobScreen& s) {
    if (Show_Panel(s.Panel)) Focus_First(s.First);
    Bar_Only({});
}

void Show_Current(const TJobScreen& s) {
    switch (s.Job) {
        case Job_Denpyou: Show_Denpyou(s); break;
        case Job_DenpyouList: Show_DenpyouList(s); break;
        case Job_Kokyaku: Show_Kokyaku(s); break;
        case Job_Hinsyu: Show_Hinsyu(s); break;
        case Job_Syouhin: Show_Syouhin(s); break;
        default: Show_Plain(s); break;
    }
}

}  // namespace

void Job_Show() {
    // In the order of the screens: the current one is shown (and its first
    // input focused) where it comes, the others hidden where they come.
    for (const TJobScreen& s : Job_Screens) {
        if (s.Job == Job_Current) {
            Menu_Paint(s.MenuNo, clNavy);
            Show_Current(s);
            continue;
        }
        Menu_Paint(s.MenuNo, clOlive);
        if (TPanel* panel = Ui_Panel(s.Panel); panel && panel->Visible()) panel->Hide();
    }
    Menu_Paint(10, clOlive);  // the exit entry
}
