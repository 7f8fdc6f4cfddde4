// A started window holding a document to print on the recording printer:
// the document's fields, the own-company settings and the kind button set
// from the test, and what was printed found by position in millimetres.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "document/Document.h"
#include "print/DenpyouPrint.h"
#include "print/PrintMargins.h"
#include "print/preview/PrintView.h"
#include "store/Denpyou.h"
#include "store/Jisya.h"
#include "store/Kokyaku.h"
#include "store/Str.h"
#include "tools/Headless.h"

// A customer record: name lines, city and street at their offsets.
inline std::string KokyakuRecord(const std::string& name1, const std::string& city, const std::string& street) {
    std::string r(static_cast<size_t>(Kokyaku_RecLen), ' ');
    r.back() = '\n';
    auto offset = [](int field) {
        int at = 0;
        for (int k = 0; k < field; ++k) at += Kokyaku_FieldWidth[k];
        return static_cast<size_t>(at);
    };
    r.replace(offset(KokyakuField_Name_1), name1.size(), name1);
    r.replace(offset(KokyakuField_City), city.size(), city);
    r.replace(offset(KokyakuField_Banti), street.size(), street);
    return r;
}

class PrintTest : public ::testing::Test {
protected:
    THeadlessSession Session;

    // Two customers: 山田電気 (record 1) and 佐藤工務店 (record 2) with
    // their addresses. Before Start.
    void WriteCustomers() {
        ASSERT_TRUE(Session.WriteFile("Data\\Kokyaku.620",
                                      KokyakuRecord("山田電気", "札幌市中央区", "大通西1丁目") +
                                          KokyakuRecord("佐藤工務店", "函館市", "本町2番")));
    }

    // Preload files with Session.WriteFile before.
    void Start(int offsetX = 0, int offsetY = 0) {
        Session.RecordingPrinter().SetOffsets(offsetX, offsetY);
        ASSERT_TRUE(Session.Start());
        offX_ = offsetX;
        offY_ = offsetY;
        SetField(DenpyouField_KokyakuName_1, "山田電気");
    }

    static void SetField(int k, const std::string& text, bool right = false) {
        Str_Pad(text.c_str(), Denpyou_Field[k], Denpyou_FieldWidth[k], right ? 1 : 0);
    }
    static void SetLine(int line, DenpyouLineField j, const std::string& text, bool right = false) {
        SetField(DenpyouField_Line(line, j), text, right);
    }
    static void SetOwn(int k, const std::string& text) {
        Str_Pad(text.c_str(), Jisya_Field[k], Jisya_FieldWidth[k], 0);
    }
    // Lines 0 ... n - 1 described "品目1", "品目2", ...
    static void Describe(int n) {
        for (int i = 0; i < n; ++i) SetLine(i, LineField_Syousai, "品目" + std::to_string(i + 1));
    }
    void CheckKind(const char* button) { Session.ControlAs<TRadioButton>(button)->SetChecked(true); }
    void SetPrintDate(const std::string& year, const std::string& month, const std::string& day) {
        Session.ControlAs<TEdit>("Edit_PanelPrintView_Year")->SetText(year);
        Session.ControlAs<TEdit>("Edit_PanelPrintView_Month")->SetText(month);
        Session.ControlAs<TEdit>("Edit_PanelPrintView_Day")->SetText(day);
    }

    // The last job printed to its end.
    const TPrintJob& Job() {
        const TPrintJob* job = Session.RecordingPrinter().LastJob();
        if (!job || !job->Finished) throw std::runtime_error("no finished print job");
        return *job;
    }
    const TPrintedPage& Page(int page) { return Job().Pages.at(static_cast<size_t>(page - 1)); }

    // Device dots of a position in millimetres at 254 dots per inch.
    int X(int mm) const { return 10 * (10 + Print_LeftMargin + mm) + offX_; }
    int Y(int mm) const { return 10 * (2 + Print_TopMargin + mm) + offY_; }

    // The texts printed with their top-left corner at (x, y) mm.
    std::vector<std::string> TextsAt(int page, int x, int y) {
        std::vector<std::string> found;
        for (const auto& t : Page(page).Texts)
            if (t.X == X(x) && t.Y == Y(y)) found.push_back(t.Text);
        return found;
    }
    // The one text at (x, y) mm, "<none>" or "<several>".
    std::string TextAt(int page, int x, int y) {
        const auto found = TextsAt(page, x, y);
        return found.empty() ? "<none>" : found.size() > 1 ? "<several>" : found[0];
    }
    const TPrintedText* Find(int page, const std::string& text) {
        for (const auto& t : Page(page).Texts)
            if (t.Text == text) return &t;
        return nullptr;
    }
    // A line (in either direction) from (x1, y1) to (x2, y2) mm, with its pen
    // width; -1 when there is none.
    int LineWidth(int page, int x1, int y1, int x2, int y2) {
        for (const auto& l : Page(page).Lines)
            if ((l.X1 == X(x1) && l.Y1 == Y(y1) && l.X2 == X(x2) && l.Y2 == Y(y2)) ||
                (l.X1 == X(x2) && l.Y1 == Y(y2) && l.X2 == X(x1) && l.Y2 == Y(y1)))
                return l.Pen.Width;
        return -1;
    }
    int BoxWidth(int page, int left, int top, int right, int bottom) {
        for (const auto& r : Page(page).Rectangles)
            if (r.Left == X(left) && r.Top == Y(top) && r.Right == X(right) && r.Bottom == Y(bottom))
                return r.Pen.Width;
        return -1;
    }

    static std::string Padded(const std::string& text, size_t width) {
        return text + std::string(width - text.size(), ' ');
    }

private:
    int offX_ = 0, offY_ = 0;
};
