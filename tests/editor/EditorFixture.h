// A started window showing a new empty document, for the editor's tests:
// input by control name, the document's fields and the grid state at hand.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "editor/Display.h"
#include "editor/Grid.h"
#include "platform/Controls.h"
#include "store/Denpyou.h"
#include "store/Str.h"
#include "tools/Headless.h"
#include "ui/Flags.h"
#include "ui/Focus.h"

class EditorTest : public ::testing::Test {
protected:
    THeadlessSession Session;

    void SetUp() override { ASSERT_TRUE(Session.Start()); }

    TEdit* Edit(const std::string& name) { return Session.ControlAs<TEdit>(name); }
    TShape* Shape(const std::string& name) { return Session.ControlAs<TShape>(name); }
    std::string Text(const std::string& name) { return Session.TextOf(name).value_or("<none>"); }
    std::string Focused() { return Session.FocusedName(); }

    void Key(Word key, int count = 1) { Session.Key(key, {}, count); }
    void Type(const std::string& text) { Session.Type(text); }
    void Click(const std::string& name) { ASSERT_TRUE(Session.Click(name)) << name; }
    void Focus(const std::string& name) { Edit(name)->SetFocus(); }

    static std::string Row(const char* prefix, int row) {
        char two[4];
        std::snprintf(two, sizeof two, "%02d", row);
        return prefix + std::string(two);
    }
    static std::string Syousai(int row) { return Row("Edit_DenpSyousai_", row); }
    static std::string Suuryou(int row) { return Row("Edit_DenpSuuryou_", row); }

    static std::string Field(DenpyouField k) { return Denpyou_Field[k]; }
    static std::string LineField(int line, DenpyouLineField j) {
        return Denpyou_LineField[Denpyou_LineFieldCount * line + j];
    }
    static void SetLineField(int line, DenpyouLineField j, const char* text, bool right = false) {
        Str_Pad(text, Denpyou_LineField[Denpyou_LineFieldCount * line + j], Denpyou_LineWidth[j], right ? 1 : 0);
    }
    // Line kinds given as a picture of the kind bytes from line first on
    // (' ' an item line, '3' a subtotal, ...: LineKind_*).
    static void SetKinds(int first, const std::string& kinds) {
        for (size_t i = 0; i < kinds.size(); ++i)
            Denpyou_LineField[Denpyou_LineFieldCount * (first + i) + LineField_Kind][0] = kinds[i];
    }
    // The window at top, redrawn.
    static void ShowFrom(int top) {
        Denpyou_TopLine = top;
        Denpyou_ShowLines();
    }
    static std::string Padded(const std::string& text, int width) {
        return text + std::string(static_cast<size_t>(width) - text.size(), ' ');
    }

    // The pen of a frame as "colour/width".
    std::string Pen(const std::string& name) {
        TShape* s = Shape(name);
        return s ? std::to_string(s->Pen.Color) + "/" + std::to_string(s->Pen.Width) : "<none>";
    }
};
