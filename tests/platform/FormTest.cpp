// The toolkit's focus, key, mouse, wheel and edit rules, on a small window
// built by hand.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Form.h"

namespace {

struct FormFixture : ::testing::Test {
    TForm form;
    std::vector<std::string> log;
    TPanel* panel = form.Create<TPanel>("Panel");
    TEdit* a = form.Create<TEdit>("EditA", panel);
    TEdit* b = form.Create<TEdit>("EditB", panel);
    TEdit* c = form.Create<TEdit>("EditC", panel);
    TLabel* label = form.Create<TLabel>("Label", panel);

    FormFixture() {
        panel->SetBounds(0, 0, 400, 300);
        a->SetBounds(10, 10, 100, 20);
        b->SetBounds(10, 40, 100, 20);
        c->SetBounds(10, 70, 100, 20);
        label->SetBounds(200, 10, 80, 20);
        for (TControl* e : {(TControl*)a, (TControl*)b, (TControl*)c, (TControl*)label}) {
            e->OnEnter = [this](TControl* s) { log.push_back("enter " + s->Name()); };
            e->OnExit = [this](TControl* s) { log.push_back("exit " + s->Name()); };
            e->OnKeyDown = [this](TControl* s, Word k, TShiftState) {
                log.push_back("key " + s->Name() + " " + std::to_string(k));
            };
            e->OnMouseDown = [this](TControl* s, TMouseButton, TShiftState, int, int) {
                log.push_back("down " + s->Name());
            };
            e->OnMouseUp = [this](TControl* s, TMouseButton, TShiftState, int, int) {
                log.push_back("up " + s->Name());
            };
            e->OnClick = [this](TControl* s) { log.push_back("click " + s->Name()); };
        }
    }
};

TEST_F(FormFixture, SetFocusRunsExitThenEnterBeforeReturning) {
    a->SetFocus();
    log.clear();
    b->SetFocus();
    EXPECT_EQ(log, (std::vector<std::string>{"exit EditA", "enter EditB"}));
    log.clear();
    b->SetFocus();  // already focused
    EXPECT_TRUE(log.empty());
}

TEST_F(FormFixture, FocusInMayRefuseAndSendTheFocusOn) {
    a->SetFocus();
    b->OnEnter = [this](TControl*) {
        log.push_back("enter EditB");
        c->SetFocus();
    };
    log.clear();
    b->SetFocus();
    EXPECT_EQ(log, (std::vector<std::string>{"exit EditA", "enter EditB", "exit EditB", "enter EditC"}));
    EXPECT_EQ(form.ActiveControl(), c);  // the outer change does not take it back
}

TEST_F(FormFixture, HiddenOrDisabledControlsCannotTakeTheFocus) {
    a->SetFocus();
    b->Hide();
    b->SetFocus();
    c->SetEnabled(false);
    c->SetFocus();
    label->SetFocus();
    EXPECT_EQ(form.ActiveControl(), a);
}

TEST_F(FormFixture, HidingThePanelOfTheFocusedControlLeavesNoFocus) {
    a->SetFocus();
    log.clear();
    panel->Hide();
    EXPECT_EQ(log, (std::vector<std::string>{"exit EditA"}));
    EXPECT_EQ(form.ActiveControl(), nullptr);
    form.KeyDown(vk::Return);  // dropped
    EXPECT_EQ(log.size(), 1u);
}

TEST_F(FormFixture, KeyHandlersSeeEveryKeyAndEditProcessingFollowsOnlyWithTheFocus) {
    a->SetFocus();
    a->SetText("abc");
    a->SetSel(3, 0);
    log.clear();
    form.KeyDown(vk::Back);
    EXPECT_EQ(log, (std::vector<std::string>{"key EditA 8"}));
    EXPECT_EQ(a->Text(), "ab");
    // A handler that moves the focus: the edit's own processing is skipped.
    a->OnKeyDown = [this](TControl*, Word, TShiftState) { b->SetFocus(); };
    form.KeyDown(vk::Back);
    EXPECT_EQ(a->Text(), "ab");
    EXPECT_EQ(form.ActiveControl(), b);
}

TEST_F(FormFixture, TabMovesThroughTheTabOrder) {
    a->SetFocus();
    form.KeyDown(vk::Tab);
    EXPECT_EQ(form.ActiveControl(), b);
    b->SetEnabled(false);
    a->SetFocus();
    form.KeyDown(vk::Tab);
    EXPECT_EQ(form.ActiveControl(), c);  // b is passed over
    form.KeyDown(vk::Tab);
    EXPECT_EQ(form.ActiveControl(), a);  // wraps
    form.KeyDown(vk::Tab, {.Shift = true});
    EXPECT_EQ(form.ActiveControl(), c);
}

TEST_F(FormFixture, PressFocusesFirstThenDownUpClick) {
    form.MouseDown(20, 45);
    form.MouseUp(20, 45);
    EXPECT_EQ(log, (std::vector<std::string>{"enter EditB", "down EditB", "up EditB", "click EditB"}));
    log.clear();
    form.MouseDown(210, 15);  // a label takes no focus
    form.MouseUp(210, 15);
    EXPECT_EQ(log, (std::vector<std::string>{"down Label", "up Label", "click Label"}));
    EXPECT_EQ(form.ActiveControl(), b);
}

TEST_F(FormFixture, PressOnAControlThatRefusesTheFocusGoesNoFurther) {
    a->SetFocus();
    b->OnEnter = [this](TControl*) { a->SetFocus(); };
    log.clear();
    form.MouseDown(20, 45);
    form.MouseUp(20, 45);
    EXPECT_EQ(log, (std::vector<std::string>{"exit EditA", "exit EditB", "enter EditA"}));
}

TEST_F(FormFixture, AutoSelectSelectsAllFromCodeButNotFromTheMouse) {
    b->SetText("1234");
    b->SetFocus();
    EXPECT_EQ(b->SelStart(), 0);
    EXPECT_EQ(b->SelLength(), 4);
    a->SetFocus();
    form.ClickControl(b);  // the scenario click puts the caret at the end
    EXPECT_EQ(b->SelLength(), 0);
    EXPECT_EQ(b->CaretPos(), 4);
    a->SetFocus();
    b->AutoSelect = false;
    b->SetFocus();
    EXPECT_EQ(b->SelLength(), 0);
    EXPECT_EQ(b->CaretPos(), 4);
}

TEST_F(FormFixture, AutoSelectRunsAfterTheFocusInHandler) {
    b->OnEnter = [this](TControl*) { b->SetText("trimmed"); };
    b->SetFocus();
    EXPECT_EQ(b->SelLength(), 7);
}

TEST(RadioButton, FocusChecksItAndCodeFiresTheClick) {
    TForm form;
    auto* panel = form.Create<TPanel>("P");
    panel->SetBounds(0, 0, 200, 200);
    auto* r1 = form.Create<TRadioButton>("R1", panel);
    auto* r2 = form.Create<TRadioButton>("R2", panel);
    r1->SetBounds(0, 0, 80, 20);
    r2->SetBounds(0, 30, 80, 20);
    int clicks1 = 0, clicks2 = 0;
    r1->OnClick = [&](TControl*) { ++clicks1; };
    r2->OnClick = [&](TControl*) { ++clicks2; };
    r1->SetChecked(true);
    EXPECT_EQ(clicks1, 1);
    r1->SetChecked(true);  // no change, no click
    EXPECT_EQ(clicks1, 1);
    form.MouseDown(5, 35);
    form.MouseUp(5, 35);
    EXPECT_TRUE(r2->Checked());
    EXPECT_FALSE(r1->Checked());
    EXPECT_EQ(clicks2, 1);  // once, though both focus and release check it
}

TEST(CheckBox, ClickAndSpaceToggle) {
    TForm form;
    auto* box = form.Create<TCheckBox>("C");
    box->SetBounds(0, 0, 80, 20);
    int clicks = 0;
    box->OnClick = [&](TControl*) { ++clicks; };
    form.ClickControl(box);
    EXPECT_TRUE(box->Checked());
    form.KeyDown(vk::Space);
    EXPECT_FALSE(box->Checked());
    EXPECT_EQ(clicks, 2);
}

TEST(Wheel, OneEventPerNotchWithPartialDeltasAccumulated) {
    TForm form;
    int up = 0, down = 0;
    form.OnMouseWheelUp = [&](TShiftState, int, int) { ++up; };
    form.OnMouseWheelDown = [&](TShiftState, int, int) { ++down; };
    form.MouseWheel(240);
    EXPECT_EQ(up, 2);
    form.MouseWheel(60);
    EXPECT_EQ(up, 2);
    form.MouseWheel(60);
    EXPECT_EQ(up, 3);
    form.MouseWheel(-130);
    form.MouseWheel(-110);
    EXPECT_EQ(down, 2);
    EXPECT_FALSE(form.CloseQuery());
}

// CP932 bytes: "見" 0x8C 0xA9, "積" 0x90 0xCF, "ソ" 0x83 0x5C (trail byte '\').
struct EditBytes : ::testing::Test {
    TForm form;
    TEdit* edit = form.Create<TEdit>("E");
    void SetUp() override {
        edit->SetBounds(0, 0, 100, 20);
        edit->SetFocus();
    }
};

TEST_F(EditBytes, MaxLengthCountsBytesAndNeverSplitsACharacter) {
    edit->MaxLength = 5;
    EXPECT_TRUE(edit->InsertText("ab\x8C\xA9\x90\xCF"));  // ab + 見 fit, 積 would make 6
    EXPECT_EQ(edit->Text(), "ab\x8C\xA9");
    EXPECT_TRUE(edit->InsertText("c"));
    EXPECT_FALSE(edit->InsertText("d"));
    EXPECT_EQ(edit->Text(), "ab\x8C\xA9" "c");
}

TEST_F(EditBytes, ATruncatedLeadByteIsNotInserted) {
    edit->InsertText("a\x8C");
    EXPECT_EQ(edit->Text(), "a");
}

// Text the program sets in the focused edit puts the caret before it with
// nothing selected, wherever the caret or selection stood: what the keys and
// typing then do starts from there.
TEST_F(EditBytes, TextSetByTheProgramHasTheCaretAtItsStart) {
    const struct {
        const char* What;
        Word Key;  // 0: none
        const char* Typed;
        const char* Text;
        int Caret;
    } cases[] = {
        {"typed", 0, "x", "x\x8C\xA9\x90\xCF", 1},
        {"Home", vk::Home, "x", "x\x8C\xA9\x90\xCF", 1},
        {"End", vk::End, "x", "\x8C\xA9\x90\xCF" "x", 5},
        {"Backspace", vk::Back, "", "\x8C\xA9\x90\xCF", 0},
        {"Delete", vk::Delete, "", "\x90\xCF", 0},
        {"Right", vk::Right, "x", "\x8C\xA9x\x90\xCF", 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        edit->SetText("abc");
        edit->SetSel(1, 2);
        edit->SetText("\x8C\xA9\x90\xCF");  // 見積
        EXPECT_EQ(edit->CaretPos(), 0);
        EXPECT_EQ(edit->SelLength(), 0);
        if (c.Key) form.KeyDown(c.Key);
        form.InputText(c.Typed);
        EXPECT_EQ(edit->Text(), c.Text);
        EXPECT_EQ(edit->CaretPos(), c.Caret);
    }
}

TEST_F(EditBytes, CaretAndDeletionWorkOnWholeCharacters) {
    edit->InsertText("\x83\x5C" "a\x8C\xA9");  // ソa見
    form.KeyDown(vk::Back);
    EXPECT_EQ(edit->Text(), "\x83\x5C" "a");
    form.KeyDown(vk::Left);
    EXPECT_EQ(edit->CaretPos(), 2);
    form.KeyDown(vk::Left);
    EXPECT_EQ(edit->CaretPos(), 0);
    form.KeyDown(vk::Delete);
    EXPECT_EQ(edit->Text(), "a");
    edit->SetText("\x8C\xA9\x90\xCF");
    edit->SetSel(1, 2);  // snaps onto boundaries
    EXPECT_EQ(edit->SelStart(), 0);
    form.KeyDown(vk::End);
    form.KeyDown(vk::Left, {.Shift = true});
    EXPECT_EQ(edit->SelText(), "\x90\xCF");
    form.InputText("x");  // typing replaces the selection
    EXPECT_EQ(edit->Text(), "\x8C\xA9x");
}

}  // namespace
