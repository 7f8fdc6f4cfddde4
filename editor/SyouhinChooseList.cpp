// The product chooser's list: the hits of the category listed, the page of
// twenty rows (two columns of ten), the cursor and its moves. The chooser
// keeps the record numbers only; a page reads the names it shows from the
// product file.
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "editor/SyouhinChoose.h"
#include "platform/File.h"
#include "store/Hinsyu.h"
#include "store/Number.h"
#include "store/Syouhin.h"
#include "ui/Build.h"
#include "ui/Frame.h"
#include "ui/Ui.h"

int SyouhinChoose_Hinsyu = 0;
int SyouhinChoose_Hits[SyouhinChoose_HitMax] = {};
int SyouhinChoose_HitCount = 0;
TListWindow SyouhinChoose_Window{.Rows = SyouhinChoose_Rows,
                                 .Count = [] { return SyouhinChoose_HitCount; },
                                 .PageCursor = TPageCursor::Edge,
                                 .ScrollMargin = 1,
                                 .PastLast = true};
int& SyouhinChoose_Top = SyouhinChoose_Window.Top;
int& SyouhinChoose_Row = SyouhinChoose_Window.Row;

namespace {

constexpr int NameWidth = Syouhin_FieldWidth[SyouhinField_Name];

void SetCaption(const std::string& label, const std::string& text) {
    if (TLabel* l = Ui_Label(label.c_str())) l->SetCaption(text);
}

// The rows moved under the cursor, or the cursor over them.
void Repaint(TListMove move) {
    if (move.Page) SyouhinChoose_ShowPage();
    if (move.Cursor) SyouhinChoose_MarkLine();
}

}  // namespace

int SyouhinChoose_HitAt(int e) { return e >= 0 && e < SyouhinChoose_HitMax ? SyouhinChoose_Hits[e] : 0; }

void SyouhinChoose_LoadHinsyu() {
    const int entry = std::clamp(SyouhinChoose_Hinsyu, 0, Hinsyu_Max - 1);
    SetCaption("Labe_SyouhinChoose_HinsyuName", Hinsyu_Name[entry]);
    std::fill(std::begin(SyouhinChoose_Hits), std::end(SyouhinChoose_Hits), 0);
    SyouhinChoose_HitCount = 0;
    SyouhinChoose_Row = 0;
    SyouhinChoose_Top = 0;
    // The membership flag of the category's number; a number outside the
    // 100 flags (a damaged category file) lists nothing.
    const int flag = Hinsyu_Number(entry) - 1;
    if (Syouhin_Count > 0 && flag >= 0 && flag < Syouhin_FlagCount)
        Record_ScanField(Syouhin_File, SyouhinField_Hinsyu, 1, Syouhin_Count, [flag](const char* flags, int n) {
            if (flags[flag] == '1') SyouhinChoose_Hits[SyouhinChoose_HitCount++] = n;
            return SyouhinChoose_HitCount < SyouhinChoose_HitMax;  // the rest cannot be listed
        });
    SetCaption("Labe_SyouhinChoose_HinsyuGaitou", std::to_string(SyouhinChoose_HitCount));
    if (SyouhinChoose_HitCount == 0) SyouhinChoose_Row = -1;
    SyouhinChoose_ShowPage();
    SyouhinChoose_MarkLine();
}

void SyouhinChoose_ShowPage() {
    const int fd = Record_OpenRead(Syouhin_File);
    if (fd < 0) return;  // the rows keep what they show
    std::vector<char> record(static_cast<size_t>(Syouhin_RecLen));
    const char* name = record.data() + Syouhin_FieldOffset[SyouhinField_Name];
    for (int i = 0; i < SyouhinChoose_Rows; ++i) {
        const int e = SyouhinChoose_Top + i;
        const int n = SyouhinChoose_HitAt(e);
        std::string number(3, ' '), shown(NameWidth, ' ');
        if (n != 0) {
            number = std::to_string(e + 1);  // "%3d": the thousandth shows all four digits
            number.insert(0, number.size() < 3 ? 3 - number.size() : 0, ' ');
            // A record the file no longer holds shows no name.
            if (Record_ReadFrom(fd, Syouhin_File, n, record.data())) shown.assign(name, NameWidth);
        }
        SetCaption(Ui_RowName("Labe_SyouhinChoose_SyouhinLine_", i + 1), number);
        SetCaption(Ui_RowName("Label_SyouhinChoose_SyouhinName_", i + 1), shown);
    }
    File_Close(fd);
}

void SyouhinChoose_MarkLine() {
    for (int r = 0; r < SyouhinChoose_Rows; ++r) {
        TShape* frame = Ui_Shape(Ui_RowName("Shape_SyouhinChoose_SyouhinName_", r + 1).c_str());
        if (r == SyouhinChoose_Row) Frame_Mark(frame);
        else Frame_Rest(frame, clBlack);
    }
}

void SyouhinChoose_LineUp() { Repaint(SyouhinChoose_Window.LineUp()); }

void SyouhinChoose_LineDown() { Repaint(SyouhinChoose_Window.LineDown()); }

void SyouhinChoose_PageUp() { Repaint(SyouhinChoose_Window.PageBack()); }

void SyouhinChoose_PageDown() { Repaint(SyouhinChoose_Window.PageOn()); }

void Label_SyouhinChoose_UpClick() { Repaint(SyouhinChoose_Window.WholePageBack()); }

// The cursor row stays where it is, and may stand on an empty row of a short
// last page.
void Label_SyouhinChoose_DownClick() { Repaint(SyouhinChoose_Window.WholePageOn()); }

// The named entries in turn, then the first unnamed one, then the first
// again; at the last entry of the list nothing.
void Labe_SyouhinChoose_HinsyuNameClick() {
    if (SyouhinChoose_Hinsyu >= Hinsyu_Max - 1) return;
    SyouhinChoose_Hinsyu = Hinsyu_Name[SyouhinChoose_Hinsyu][0] != ' ' ? SyouhinChoose_Hinsyu + 1 : 0;
    SyouhinChoose_LoadHinsyu();
}
