#include "print/list/DenpyouListInput.h"

#include <climits>
#include <string>

#include "print/list/DenpyouListCommands.h"
#include "print/list/DenpyouListHits.h"
#include "print/list/DenpyouListPage.h"
#include "store/Str.h"
#include "ui/Flags.h"
#include "ui/Focus.h"
#include "ui/Frame.h"
#include "ui/Ui.h"

namespace {

constexpr int FirstCode = 8400;  // codes run in steps of ten in the order of TListInput

bool IsCriterion(TListInput input) { return input < ListInput_CommandChoose; }
bool IsDate(TListInput input) { return input >= ListInput_StartYear && input <= ListInput_EndDay; }
TListDate DateOf(TListInput input) { return static_cast<TListDate>(input - ListInput_StartYear); }

void Focus(TListInput input) {
    if (TControl* c = Ui_Control(DenpyouList_InputEdit[input])) c->SetFocus();
}

// Each end of the range is a year, a month and a day, in that order.
constexpr bool IsYear(TListDate d) { return d % 3 == 0; }
constexpr bool IsMonth(TListDate d) { return d % 3 == 1; }

// The width and accepted range of each date input.
struct TDateRule {
    int Width, Min, Max;
};
constexpr TDateRule DateRule(TListDate d) {
    return IsYear(d) ? TDateRule{4, 2000, INT_MAX} : IsMonth(d) ? TDateRule{2, 1, 12} : TDateRule{2, 1, 31};
}

// Return in a date input: checked and rewritten; a year always moves on, a
// month or day only when valid, else it is emptied for typing again.
void CommitDate(TListInput input) {
    Flag_EnterCommitted = Flag_True;
    const TListDate d = DateOf(input);
    const bool valid = DenpyouList_CheckDate(d);
    if (valid || IsYear(d)) {
        Focus(static_cast<TListInput>(input + 1));
        return;
    }
    DenpyouList_SetText(DenpyouList_DateEdit[d], "");
    // The focus stayed: what is typed next is checked when it leaves.
    Flag_EnterCommitted = Flag_False;
}

void KeyCatcher(TListInput input, Word key) {
    switch (key) {
        case vk::Home:
            Focus(input == ListInput_CommandChoose ? ListInput_EndDay : ListInput_SearchName);
            break;
        case vk::Return:
        case vk::F1: DenpyouList_SearchCommand(); break;
        case vk::F4: DenpyouList_PrintCommand(); break;
        case vk::F9: DenpyouList_OpenCommand(); break;
        default: break;
    }
}

}  // namespace

bool DenpyouList_CheckDate(TListDate d) {
    const TDateRule rule = DateRule(d);
    const std::string text = DenpyouList_Text(DenpyouList_DateEdit[d]);
    const int value = Str_ToInt(text.c_str());
    const bool valid = value >= rule.Min && value <= rule.Max;
    char shown[8];
    if (valid)
        Str_Pad(text.c_str(), shown, rule.Width, 1);
    else
        Str_Spaces(shown, rule.Width);
    DenpyouList_SetText(DenpyouList_DateEdit[d], shown);
    return valid;
}

void DenpyouList_InputEnter(TListInput input) {
    if (!IsCriterion(input)) {
        Focus_Code = FirstCode + 10 * input;
        return;
    }
    Flag_EnterCommitted = Flag_False;
    DenpyouList_CriteriaTouched();
    Focus_Code = FirstCode + 10 * input;
    Frame_Mark(Ui_Shape(DenpyouList_InputFrame[input]));
}

void DenpyouList_InputExit(TListInput input) {
    if (!IsCriterion(input)) return;
    if (IsDate(input) && Flag_EnterCommitted == Flag_False) DenpyouList_CheckDate(DateOf(input));
    Frame_Rest(Ui_Shape(DenpyouList_InputFrame[input]), clBlack);
}

void DenpyouList_InputKeyDown(TListInput input, Word key) {
    if (!IsCriterion(input)) {
        KeyCatcher(input, key);
        return;
    }
    if (input == ListInput_SearchName) {
        if (key == vk::Return) Focus(ListInput_StartYear);
        else if (key == vk::Up || key == vk::Down) DenpyouList_ToggleCustomer();
        return;
    }
    if (key == vk::Home) Focus(static_cast<TListInput>(input - 1));
    else if (key == vk::Return) CommitDate(input);
}

void DenpyouList_ToggleCustomer() {
    char key[41];
    DenpyouList_NameKey("Label_DenpyouList_SearchName_1", key);
    if (!DenpyouList_IsAllCustomers(key)) {
        DenpyouList_SetCaption("Label_DenpyouList_SearchName_1", "全顧客");
        DenpyouList_SetCaption("Label_DenpyouList_SearchName_2", "");
        return;
    }
    // Back to the remembered customer, unless that is every customer.
    if (DenpyouList_SearchName_1[0] == ' ' || DenpyouList_SearchName_1[0] == '\0') return;
    DenpyouList_SetCaption("Label_DenpyouList_SearchName_1", DenpyouList_SearchName_1);
    DenpyouList_SetCaption("Label_DenpyouList_SearchName_2", DenpyouList_SearchName_2);
}

void DenpyouList_CriteriaTouched() {
    // The hit list, the page and its form stay: arrows, row clicks, F4 and
    // F9 still work on the previous result until the next search.
    if (!DenpyouList_Shown) return;
    DenpyouList_ClearLabels();
    DenpyouList_Shown = Flag_False;
}
