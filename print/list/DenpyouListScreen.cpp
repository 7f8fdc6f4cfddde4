#include "print/list/DenpyouListScreen.h"

#include <cstring>
#include <iterator>
#include <string>

#include "print/PrintMargins.h"
#include "print/list/DenpyouListCommands.h"
#include "print/list/DenpyouListHits.h"
#include "print/list/DenpyouListInput.h"
#include "ui/Build.h"
#include "ui/Ui.h"
#include "ui/CommandBar.h"
#include "ui/EditTable.h"
#include "ui/PressLook.h"
#include "ui/Screen.h"

namespace {

constexpr const char* Panel = DenpyouList_Panel;
// The two page forms, one shown at a time at the same place on Panel.
constexpr const char* OnePage = "Panel_DenpyouList_Page";
constexpr const char* SubPage = "Panel_DenpyouList_SubPage";
constexpr TColor clMoneyGreen = 0xC0DCC0;
constexpr int Text_FontHeight = -15;  // names, dates and rows, in Mincho
constexpr int Edit_Height = 14, Frame_Height = 19;

// A caption on the light green ground, as the editor's.
void Caption(TForm& form, const char* name, int left, int top, int width, int height, const char* text) {
    Ui_Build(form, {TControlKind::Label, name, Panel, left, top, width, height, text, clMoneyGreen, clBlack, -12,
                    nullptr, TAlignment::taCenter});
}

TShape* Frame(TForm& form, const char* name, int left, int top, int width, int height) {
    auto* shape = Ui_BuildAs<TShape>(form, {TControlKind::Shape, name, Panel, left, top, width, height});
    shape->Pen.Color = clBlack;
    shape->Pen.Width = 1;
    shape->Brush.Color = clWhite;
    return shape;
}

// A borderless edit inside a frame of its own name ("Shape_" for "Edit_").
TEdit* FramedEdit(TForm& form, const char* name, int left, int top, int width, int maxLength) {
    const std::string frame = "Shape_" + std::string(name).substr(5);
    Frame(form, frame.c_str(), left, top, width, Frame_Height);
    auto* edit =
        Ui_BuildAs<TEdit>(form, {TControlKind::Edit, name, Panel, left + 3, top + 2, width - 6, Edit_Height});
    edit->Color = clWhite;
    edit->Font.Name = Font_Mincho;
    edit->Font.Height = Text_FontHeight;
    edit->MaxLength = maxLength;
    edit->Alignment = TAlignment::taRightJustify;
    edit->ImeMode = TImeMode::imClose;
    return edit;
}

// A key catcher: an edit of width 0 that holds the keys.
void KeyCatcher(TForm& form, const char* name, int left, int top) {
    auto* edit = Ui_BuildAs<TEdit>(form, {TControlKind::Edit, name, Panel, left, top, 0, Edit_Height});
    edit->MaxLength = 1;
    edit->TabStop = false;
    edit->ImeMode = TImeMode::imClose;
}

// The date inputs: start and end, each year, month and day.
struct TDatePlace {
    int Left, Width, MaxLength;
};
constexpr TDatePlace Date_Places[ListDate_Count] = {
    {470, 48, 4}, {521, 28, 2}, {552, 28, 2}, {604, 48, 4}, {655, 28, 2}, {686, 28, 2},
};
constexpr int Date_Top = 8;

// The arrows' text colour, changed only when it differs.
void FontColor(TControl* c, TColor color) {
    if (c->Font.Color == color) return;
    c->Font.Color = color;
    c->Repaint();
}

// ---------------------------------------------------------------- the rows

// A column of the rows: its label's prefix, place and line (0 the upper, 1
// the lower of the row's two lines).
struct TRowColumn {
    const char* Prefix;
    int Left, Width, Line;
    TAlignment Align;
};
constexpr auto Right = TAlignment::taRightJustify, Left = TAlignment::taLeftJustify;
constexpr TRowColumn One_Columns[] = {
    {"Label_Denpyou_List_No_", 10, 84, 0, Right},      {"Label_DenpyouKind_", 10, 84, 1, Left},
    {"Label_Denpyou_List_Year_", 104, 20, 0, Right},   {"Label_Denpyou_List_Month_", 128, 20, 0, Right},
    {"Label_Denpyou_List_Day_", 152, 20, 0, Right},    {"Label_Denpyou_List_Kouji_1_", 190, 305, 0, Left},
    {"Label_Denpyou_List_Kouji_2_", 190, 305, 1, Left}, {"Label_Denpyou_List_Kei_", 760, 90, 0, Right},
};
constexpr TRowColumn Sub_Columns[] = {
    {"Label_Denpyou_SubList_No_", 4, 84, 0, Right},        {"Label_DenpyouKind2_", 4, 84, 1, Left},
    {"Label_Denpyou_SubList_Year_", 94, 20, 0, Right},     {"Label_Denpyou_SubList_Month_", 118, 20, 0, Right},
    {"Label_Denpyou_SubList_Day_", 142, 20, 0, Right},     {"Label_Denpyou_SubList_Name_1_", 176, 305, 0, Left},
    {"Label_Denpyou_SubList_Name_2_", 176, 305, 1, Left},  {"Label_Denpyou_SubList_Kouji_1_", 486, 305, 0, Left},
    {"Label_Denpyou_SubList_Kouji_2_", 486, 305, 1, Left}, {"Label_Denpyou_SubList_Kei_", 796, 90, 0, Right},
};

struct THeading {
    int Left;
    const char* Caption;
};
constexpr THeading One_Headings[] = {{10, "伝票番号"}, {104, "日付"}, {190, "工事名"}, {760, "合計金額"}};
constexpr THeading Sub_Headings[] = {
    {4, "伝票番号"}, {94, "日付"}, {176, "顧客名"}, {486, "工事名"}, {796, "合計金額"}};

// A page form: where its headings, rows and arrows stand on its parent.
struct TPagePlace {
    const char* Parent;
    TListPageForm Form;
    const TRowColumn* Columns;
    int ColumnCount;
    const THeading* Headings;
    int HeadingCount;
    const char* HeadingName;  // + the heading's number
    int HeadingTop, RowTop;
    const char *PrePage, *NextPage;
    int ArrowLeft;
};
constexpr int Row_Step = 42, Line_Step = 19, Row_Height = 16;
const TPagePlace Page_Places[] = {
    {OnePage, ListPage_OneCustomer, One_Columns, std::size(One_Columns), One_Headings, std::size(One_Headings),
     "Label_DenpyouList_Heading_", 4, 26, "Label_Panel_DenpyouList_PrePage", "Label_Panel_DenpyouList_NextPage",
     920},
    {SubPage, ListPage_AllCustomers, Sub_Columns, std::size(Sub_Columns), Sub_Headings, std::size(Sub_Headings),
     "Label_DenpyouSubList_Heading_", 4, 26, "Label_Panel_DenpyouSubList_PrePage",
     "Label_Panel_DenpyouSubList_NextPage", 920},
};

void CreatePage(TForm& form, const TPagePlace& p) {
    if (p.Form == ListPage_OneCustomer) {
        // The one-customer page: a plain panel where the all-customer page
        // lies, shown while that is not (DenpyouList_ShowResult).
        const auto& sub = Ui_Built<TPanel>(form, SubPage);
        Ui_BuildAs<TPanel>(form, {TControlKind::Panel, p.Parent, Panel, sub.Left, sub.Top, sub.Width, sub.Height})
            ->Bevel = false;
    }
    for (int i = 0; i < p.HeadingCount; ++i)
        Ui_Build(form, {TControlKind::Label, Ui_RowName(p.HeadingName, i + 1).c_str(), p.Parent, p.Headings[i].Left,
                        p.HeadingTop, 80, 15, p.Headings[i].Caption});
    for (int r = 1; r <= DenpyouList_PageRows; ++r) {
        const int top = p.RowTop + Row_Step * (r - 1);
        for (int c = 0; c < p.ColumnCount; ++c) {
            const TRowColumn& col = p.Columns[c];
            TControl* label = Ui_Build(form, {TControlKind::Label, Ui_RowName(col.Prefix, r).c_str(), p.Parent,
                                              col.Left, top + Line_Step * col.Line, col.Width, Row_Height, "",
                                              clWhite, clBlack, Text_FontHeight, Font_Mincho, col.Align});
            label->OnClick = [r](TControl*) { DenpyouList_RowClick(r); };
        }
    }
    // The arrows beside the rows: navy until first pressed, red while held,
    // black after.
    const int arrowTop[2] = {p.RowTop, p.RowTop + Row_Step * (DenpyouList_PageRows - 1)};
    const char* arrows[2] = {p.PrePage, p.NextPage};
    for (int a = 0; a < 2; ++a) {
        TControl* arrow = Ui_Build(form, {TControlKind::Label, arrows[a], p.Parent, p.ArrowLeft, arrowTop[a], 30, 30,
                                          a == 0 ? "▲" : "▼", clNone, clNavy, -24, Font_Gothic,
                                          TAlignment::taCenter});
        const TListPageForm pageForm = p.Form;
        arrow->OnClick = a == 0 ? TNotifyEvent([pageForm](TControl*) { DenpyouList_PageBackClick(pageForm); })
                                : TNotifyEvent([pageForm](TControl*) { DenpyouList_PageForwardClick(pageForm); });
        arrow->OnMouseDown = [](TControl* c, TMouseButton, TShiftState, int, int) { FontColor(c, clRed); };
        arrow->OnMouseUp = [](TControl* c, TMouseButton, TShiftState, int, int) { FontColor(c, clBlack); };
    }
}

// ------------------------------------------------------------ the criteria

void CreateCriteria(TForm& form) {
    Caption(form, "Label_DenpyouList_Kensaku", 8, 8, 70, Frame_Height, "検索条件");
    Caption(form, "Label_DenpyouList_Kokyaku", 8, 30, 70, 40, "顧客名");
    // The customer's two names, framed together; a click toggles them.
    Frame(form, "Shape_DenpyouList_SearchName", 82, 30, 309, 40);
    for (int line = 0; line < 2; ++line) {
        TControl* name = Ui_Build(form, {TControlKind::Label, line == 0 ? "Label_DenpyouList_SearchName_1"
                                                                          : "Label_DenpyouList_SearchName_2",
                                         Panel, 86, 33 + 18 * line, 301, Row_Height, "", clWhite, clBlack,
                                         Text_FontHeight, Font_Mincho});
        name->OnClick = [](TControl*) { DenpyouList_ToggleCustomer(); };
    }
    KeyCatcher(form, "Edit_DenpyouList_SearchName", 396, 33);

    Caption(form, "Label_DenpyouList_Kikan", 416, Date_Top, 50, Frame_Height, "期間");
    for (int d = 0; d < ListDate_Count; ++d) {
        const TDatePlace& p = Date_Places[d];
        TEdit* edit = FramedEdit(form, DenpyouList_DateEdit[d], p.Left, Date_Top, p.Width, p.MaxLength);
        // The years until the first search puts this year there.
        if (d == ListDate_StartYear || d == ListDate_EndYear) edit->SetText("1234");
    }
    Ui_Build(form, {TControlKind::Label, "Label_DenpyouList_Kara", Panel, 583, Date_Top + 2, 18, 15, "～"});
    KeyCatcher(form, "Edit_DenpyouSearchComandChoose", 718, Date_Top + 2);
    KeyCatcher(form, "Edit_DenpyouListLineChoose", 718, 33);

    // Kind on the screen, order on a panel of its own: two groups.
    static const TControlSpec kinds[] = {
        {TControlKind::RadioButton, "RadioButton_All", Panel, 416, 33, 66, 17, "全伝票"},
        {TControlKind::RadioButton, "RadioButton_MitumoriOnly", Panel, 486, 33, 66, 17, "見積書"},
        {TControlKind::RadioButton, "RadioButton_SeikyuuOnly", Panel, 556, 33, 66, 17, "請求書"},
    };
    Ui_BuildAll(form, kinds);
    Ui_Build(form, {TControlKind::Panel, "Panel5", Panel, 416, 54, 206, 24});
    static const TControlSpec orders[] = {
        {TControlKind::RadioButton, "RadioButton_DaySort", "Panel5", 6, 4, 70, 17, "日付順"},
        {TControlKind::RadioButton, "RadioButton2", "Panel5", 84, 4, 100, 17, "伝票番号順"},
    };
    Ui_BuildAll(form, orders);
    Ui_Built<TRadioButton>(form, "RadioButton_All").SetChecked(true);
    Ui_Built<TRadioButton>(form, "RadioButton_DaySort").SetChecked(true);
}

// The command labels, olive on their shapes, red while pressed.
struct TCommandLabel {
    const char* Shape;
    const char* Label;
    int Top;
    const char* Caption;
    void (*Click)();
};
constexpr TCommandLabel Command_Labels[] = {
    {"Shape_SearchExec", "Label_SearchExec", 8, "F1 検索開始", DenpyouList_SearchCommand},
    {"Shape_SearchPrint", "Label_SearchPrint", 44, "F4 印刷", DenpyouList_PrintCommand},
};

void CreateCommands(TForm& form) {
    for (const TCommandLabel& c : Command_Labels) {
        TLabel* label = Ui_BuildButton(form, Panel, c.Shape, c.Label, 740, c.Top, 110, 31, 102, 23, c.Caption, clOlive);
        label->OnClick = [click = c.Click](TControl*) { click(); };
        PressLook_Button(Ui_Built<TShape>(form, c.Shape), *label);
    }
    // The print margins beside them are the print's, laid last.
}

void BindInputs(TForm& form) {
    Edit_Bind(form, DenpyouList_Inputs);
    for (const char* kind : {"RadioButton_MitumoriOnly", "RadioButton_SeikyuuOnly"})
        Ui_Built(form, kind).OnClick = [](TControl*) { DenpyouList_CriteriaTouched(); };
    Ui_Built(form, "RadioButton_All").OnEnter = [](TControl*) { DenpyouList_CriteriaTouched(); };
}

// ---------------------------------------------------------- the record

void DenpyouList_Show(bool wasHidden) {
    if (wasHidden) DenpyouList_Enter();
    Command_EnableOnly({});
}

// A new window: no hits, no row chosen, a result shown (the first touch of
// a criterion blanks it).
void DenpyouList_Reset() {
    std::memset(DenpyouList_Hits, 0, sizeof DenpyouList_Hits);
    DenpyouList_HitCount = 0;
    DenpyouList_Top = 0;
    DenpyouList_Row = -1;
    DenpyouList_Shown = true;
}

const TScreen DenpyouList_Screen{
    .Job = Job_DenpyouList,
    .Panel = Panel,
    .Menu = {.No = 2, .Caption = "伝票一覧"},
    .First = "Edit_DenpyouList_SearchName",
    .BarPressed = Command_Key(vk::F3),
    .Show = DenpyouList_Show,
    .Reset = DenpyouList_Reset,
};

}  // namespace

void DenpyouList_Register() { Screen_Register(DenpyouList_Screen); }

void DenpyouList_CreateControls(TForm& form) {
    CreateCriteria(form);
    CreateCommands(form);
    for (const TPagePlace& p : Page_Places) CreatePage(form, p);
    BindInputs(form);
    PrintMargin_CreateOnList(form, Panel);
}
