// The detail grid's columns, described once. Row R (1 ... 20) shows line
// Denpyou_TopLine + R - 1; its control in a column is the column's prefix
// with R as two digits ("Edit_DenpSyousai_07"). The controls
// (editor/Controls), the focus codes (editor/EditorScreen.h), the commits
// and trims (editor/Grid), the display (editor/Display) and the line
// calculation's reads (editor/LineCalc) all take their facts from here.
#pragma once

#include <array>

#include "platform/Controls.h"
#include "platform/Types.h"
#include "store/Denpyou.h"
#include "store/Str.h"
#include "ui/Build.h"

// The window: 20 rows over the 200 lines. Its first line runs from 0 to 180,
// where the last row shows line 199; a half page is half the rows.
constexpr int Denpyou_GridRows = 20;
constexpr int Denpyou_GridLastRow = Denpyou_GridRows - 1;  // rows 0 ... 19
constexpr int Denpyou_TopLineMax = Denpyou_LineMax - Denpyou_GridRows;
constexpr int Denpyou_HalfPage = Denpyou_GridRows / 2;

// Where row R stands: edits and labels at Grid_EditTop + Grid_RowStep (R - 1),
// frames two pixels higher; the headings above the first row.
constexpr int Grid_HeadTop = 120;
constexpr int Grid_EditTop = 140;
constexpr int Grid_FrameTop = 138;
constexpr int Grid_RowStep = 20;
constexpr int Grid_EditHeight = 14;
constexpr int Grid_FrameHeight = 19;
constexpr int Grid_HeadHeight = 16;

// A cell's focus code: Grid_FirstCode + Grid_RowCodes (R - 1) + the
// column's offset.
constexpr int Grid_FirstCode = 2110;
constexpr int Grid_RowCodes = 80;

// The ground of the price and rate columns and of the reference price.
constexpr TColor clLightGrey = 15461355;

// The columns by number. The input columns carry the number by which the
// moves name them (Denpyou_FocusLineField; the description is 0); the three
// label columns follow them.
enum TGridColumnNo {
    GridColumn_Syousai = 0,
    GridColumn_Tanni = 1,
    GridColumn_Suuryou = 2,
    GridColumn_Tanka = 3,
    GridColumn_TankaRitu = 4,
    GridColumn_Siire = 5,
    GridColumn_SiireRitu = 6,
    GridColumn_Jitubai = 7,
    GridColumn_Count = 8,  // the input columns, 0 ... 7
    GridColumn_Line = 8,         // the line number
    GridColumn_SankouTanka = 9,  // the reference price
    GridColumn_Syoukei = 10,     // the line's amount
    GridColumn_All = 11,
};

// A label that shows no line field as it is stored (the line number, the
// reference price).
constexpr DenpyouLineField Grid_NoField = static_cast<DenpyouLineField>(-1);

struct TGridSpan {
    int Left, Width;  // the row gives the Top
};

struct TGridColumn {
    TGridColumnNo No;
    TControlKind Kind;       // an edit on its frame, or a label
    const char* Prefix;      // the row's edit or label: Prefix + "01" ... "20"
    const char* Frame;       // the row's frame shape: Frame + "01" ... "20"; nullptr for a label
    DenpyouLineField Field;  // the line field shown (and committed)
    int Width;               // the field's width in bytes, the edit's MaxLength; 0 for a label
    TCommitForm Form;
    int CodeOffset;          // within the row's focus codes; -1 for a label
    TGridSpan Edit, Box;     // the edit (or label) and its frame
    TColor Pen, Fill;        // the frame at rest: pen of width 1, brush
    TColor Color, FontColor; // the edit's (label's) ground and text
    const char* const* Font;
    int FontHeight;
    TAlignment Align;
    TImeMode Ime;
    const char* Heading;     // centred above the column at Grid_HeadTop
    TGridSpan Head;
};

// In screen and tab order: a row's cells take the focus from left to right.
// The list price, purchase price and their rates rest in grey on light grey,
// the other frames in black on white.
inline constexpr TGridColumn Grid_Columns[] = {
    {GridColumn_Line, TControlKind::Label, "Label_DenpLine_", nullptr, Grid_NoField, 0, TCommitForm::None, -1,
     {4, 38}, {}, clNone, clNone, clNone, clBlack, &Font_Mincho, -15, TAlignment::taRightJustify,
     TImeMode::imDontCare, "行", {4, 38}},
    {GridColumn_Syousai, TControlKind::Edit, "Edit_DenpSyousai_", "Shape_DenpSyousai_", LineField_Syousai, 50,
     TCommitForm::Left, 0, {48, 310}, {46, 315}, clBlack, clWhite, clWhite, clBlack, &Font_Mincho, -15,
     TAlignment::taLeftJustify, TImeMode::imOpen, "商品及び詳細", {48, 310}},
    {GridColumn_Suuryou, TControlKind::Edit, "Edit_DenpSuuryou_", "Shape_DenpSuuryou_", LineField_Suuryou, 6,
     TCommitForm::RightReal, 30, {364, 51}, {362, 55}, clBlack, clWhite, clWhite, clBlack, &Font_Mincho, -15,
     TAlignment::taRightJustify, TImeMode::imDisable, "数量", {378, 35}},
    {GridColumn_Tanni, TControlKind::Edit, "Edit_DenpTanni_", "Shape_DenpTanni_", LineField_Tanni, 6,
     TCommitForm::Left, 40, {420, 37}, {418, 41}, clBlack, clWhite, clWhite, clBlack, &Font_Mincho, -15,
     TAlignment::taLeftJustify, TImeMode::imOpen, "単位", {420, 37}},
    {GridColumn_Tanka, TControlKind::Edit, "Edit_DenpTanka_", "Shape_DenpTanka_", LineField_Tanka, 9,
     TCommitForm::RightReal, 10, {464, 75}, {460, 81}, clGray, clLightGrey, clLightGrey, clBlack, &Font_Mincho,
     -15, TAlignment::taRightJustify, TImeMode::imDisable, "定価", {464, 75}},
    {GridColumn_TankaRitu, TControlKind::Edit, "Edit_DenpTankaRitu_", "Shape_DenpTankaRitu_", LineField_TankaRitu,
     3, TCommitForm::RightInt, 20, {544, 27}, {542, 31}, clGray, clLightGrey, clLightGrey, clBlack, &Font_Mincho,
     -15, TAlignment::taRightJustify, TImeMode::imDisable, "％", {548, 20}},
    {GridColumn_Siire, TControlKind::Edit, "Edit_DenpSiire_", "Shape_DenpSiire_", LineField_Siire, 9,
     TCommitForm::RightReal, 50, {576, 75}, {574, 81}, clGray, clLightGrey, clLightGrey, clBlack, &Font_Mincho,
     -15, TAlignment::taRightJustify, TImeMode::imDisable, "仕入値", {576, 75}},
    {GridColumn_SiireRitu, TControlKind::Edit, "Edit_DenpSiireRitu_", "Shape_DenpSiireRitu_", LineField_SiireRitu,
     3, TCommitForm::RightInt, 60, {658, 27}, {656, 31}, clGray, clLightGrey, clLightGrey, clBlack, &Font_Mincho,
     -15, TAlignment::taRightJustify, TImeMode::imDisable, "％", {662, 20}},
    {GridColumn_SankouTanka, TControlKind::Label, "Label_DenpSankouTanka_", nullptr, Grid_NoField, 0,
     TCommitForm::None, -1, {690, 92}, {}, clNone, clNone, clLightGrey, clBlack, &Font_Mincho, -15,
     TAlignment::taRightJustify, TImeMode::imDontCare, "参照売価", {690, 92}},
    {GridColumn_Jitubai, TControlKind::Edit, "Edit_DenpJitubaiTanka_", "Shape_DenpJitubaiTanka_",
     LineField_JitubaiTanka, 9, TCommitForm::RightReal, 70, {800, 74}, {786, 93}, clBlack, clWhite, clWhite,
     clBlack, &Font_Mincho, -15, TAlignment::taRightJustify, TImeMode::imDisable, "実売単価", {800, 74}},
    {GridColumn_Syoukei, TControlKind::Label, "Label_DenpSyoukei_", nullptr, LineField_Kingaku, 0, TCommitForm::None,
     -1, {882, 96}, {}, clNone, clNone, clNone, clBlack, &Font_Mincho, -15, TAlignment::taRightJustify,
     TImeMode::imDontCare, "小計", {882, 96}},
};

// Where each number stands in Grid_Columns.
inline constexpr std::array<int, GridColumn_All> Grid_ColumnIndex = [] {
    std::array<int, GridColumn_All> index{};
    index.fill(-1);
    for (int i = 0; i < static_cast<int>(std::size(Grid_Columns)); ++i) index[Grid_Columns[i].No] = i;
    return index;
}();

// The column of a number (GridColumn_Syousai ... GridColumn_Syoukei).
constexpr const TGridColumn& Grid_Column(int no) { return Grid_Columns[Grid_ColumnIndex[no]]; }

// The focus code of an input column's cell in row 0 ... 19.
constexpr int Grid_CellCode(int no, int row) {
    return Grid_FirstCode + Grid_RowCodes * row + Grid_Column(no).CodeOffset;
}

// The input columns in the order of their focus codes within a row.
inline constexpr std::array<TGridColumnNo, GridColumn_Count> Grid_ColumnsByCode = [] {
    std::array<TGridColumnNo, GridColumn_Count> order{};
    int n = 0;
    for (int offset = 0; offset < Grid_RowCodes; ++offset)
        for (const TGridColumn& c : Grid_Columns)
            if (c.Kind == TControlKind::Edit && c.CodeOffset == offset) order[n++] = c.No;
    return order;
}();

namespace GridColumns_Check {

// Every number once; the input columns are edits, the others labels; an
// edit's MaxLength is its field's width, its code lies inside the row's codes
// and no two share one; the columns stand left to right.
constexpr bool Sound() {
    for (int no = 0; no < GridColumn_All; ++no) {
        if (Grid_ColumnIndex[no] < 0) return false;
        const TGridColumn& c = Grid_Column(no);
        if (c.No != no || (c.Kind == TControlKind::Edit) != (no < GridColumn_Count)) return false;
        if (c.Kind == TControlKind::Edit &&
            (!c.Frame || c.Form == TCommitForm::None || c.Width != DenpyouLine_FieldWidth[c.Field] ||
             c.CodeOffset < 0 || c.CodeOffset >= Grid_RowCodes))
            return false;
    }
    for (int i = 1; i < static_cast<int>(std::size(Grid_Columns)); ++i)
        if (Grid_Columns[i - 1].Edit.Left >= Grid_Columns[i].Edit.Left) return false;
    for (int k = 1; k < GridColumn_Count; ++k)
        if (Grid_Column(Grid_ColumnsByCode[k - 1]).CodeOffset >= Grid_Column(Grid_ColumnsByCode[k]).CodeOffset)
            return false;
    return std::size(Grid_Columns) == GridColumn_All;
}
static_assert(Sound());
static_assert(Grid_CellCode(GridColumn_Syousai, 0) == 2110 && Grid_CellCode(GridColumn_Jitubai, 19) == 3700);
static_assert(Denpyou_TopLineMax == 180);

}  // namespace GridColumns_Check
