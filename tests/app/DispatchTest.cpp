// The dispatch of the ten commands: every screen and every chooser state
// against F1 ... F9 and Esc. Each case starts the program afresh on the same
// data, brings it into the state, runs the command and compares what a user
// could see before and after: which of the observed things changed says
// which operation ran (a page of customers, the grid's cursor, a file, a
// chooser shown, ...), and the bar's keys afterwards are checked where the
// operation sets them.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <stdexcept>
#include <string>

#include "document/Document.h"
#include "editor/Grid.h"
#include "editor/KokyakuChoose.h"
#include "editor/SyouhinChoose.h"
#include "masters/categories/HinsyuScreen.h"
#include "masters/customers/KokyakuScreen.h"
#include "masters/products/SyouhinScreen.h"
#include "masters/units/TanniChoose.h"
#include "masters/units/TanniList.h"
#include "store/Denpyou.h"
#include "store/Tanni.h"
#include "tests/masters/HinsyuFixture.h"
#include "tests/masters/KokyakuFixture.h"
#include "ui/CommandBar.h"
#include "ui/Commands.h"
#include "ui/Job.h"

namespace {

using TObserved = std::map<std::string, std::string>;

std::string Number10(int n) {
    std::string s = std::to_string(n);
    return std::string(10 - s.size(), ' ') + s;
}

// Stored documents 1 ... 3, each with a customer, 30 described lines and a
// total; the last number 3.
std::string Documents() {
    std::string all;
    for (int no = 1; no <= 3; ++no) {
        std::string r(Denpyou_RecLen, ' ');
        r.back() = '\n';
        auto lay = [&](int field, const std::string& text) {
            r.replace(static_cast<size_t>(Denpyou_FieldOffset[field]), text.size(), text);
        };
        lay(DenpyouField_Kind, "1");
        lay(DenpyouField_No, Number10(no));
        lay(DenpyouField_KokyakuName_1, Kokyaku_TestName1(no));
        lay(DenpyouField_MakeYear, "2025 3 1");
        for (int line = 0; line < 30; ++line)
            lay(DenpyouField_Line(line, LineField_Syousai), "明細" + std::to_string(line + 1));
        lay(DenpyouField_Goukei, "      1000");
        all += r;
    }
    return all;
}

std::string Hash(const std::string& bytes) { return std::to_string(std::hash<std::string>{}(bytes)); }

class Dispatch {
public:
    THeadlessSession Session;

    void Start() {
        std::string jisya(1000, ' ');
        jisya.back() = '\n';
        jisya.replace(231, 10, Number10(3));
        std::string products;
        for (int i = 1; i <= 30; ++i) products += Syouhin_TestRecord(i, {1});
        ASSERT_TRUE(Session.WriteFile("Data\\Denpyou.620", Documents()));
        ASSERT_TRUE(Session.WriteFile("Data\\Jisya.620", jisya));
        ASSERT_TRUE(Session.WriteFile("Data\\Kokyaku.620", Kokyaku_TestFile(1, 30)));
        ASSERT_TRUE(Session.WriteFile("Data\\Hinsyu.620", Hinsyu_TestFile(60)));
        ASSERT_TRUE(Session.WriteFile("Data\\Syouhin.620", products));
        ASSERT_TRUE(Session.WriteFile("Data\\Tanni.620", "式       \n個       \nm        \n"));
        ASSERT_TRUE(Session.Start());
    }
    void Key(Word key, int count = 1) { Session.Key(key, {}, count); }
    void Click(const std::string& name) { ASSERT_TRUE(Session.Click(name)) << name; }

    std::string Text(const std::string& name) { return Session.TextOf(name).value_or("<none>"); }
    std::string Shown(const std::string& name) {
        TControl* c = Session.Control(name);
        return c && c->Showing() ? "shown" : "hidden";
    }
    std::string File(const char* path) { return Hash(Session.ReadFile(path).value_or("<none>")); }
    static std::string Pair(int a, int b) { return std::to_string(a) + "/" + std::to_string(b); }

    // The F-keys on, as "F1F3F7".
    static std::string BarOn() {
        std::string on;
        for (Word key = vk::F1; key <= vk::F9; ++key)
            if (Command_IsEnabled(key)) on += "F" + std::to_string(key - vk::F1 + 1);
        return on;
    }

    TObserved Observe() {
        std::string doc, categories, units, captions;
        for (int k = 0; k < Denpyou_FieldCount; ++k) doc += Denpyou_Field[k];
        for (int e = 0; e < Hinsyu_Max; ++e) categories += std::string(Hinsyu_Name[e]) + Hinsyu_No[e];
        for (int e = 0; e < Tanni_Max; ++e) units += Tanni_List[e];
        for (int cell = 0; cell < 9; ++cell) captions += Text("Label_Command_01_F" + std::to_string(cell + 1)) + "|";
        return {
            {"job", std::to_string(Job_Current)},
            {"focus", Session.FocusedName()},
            {"Preview", Shown("Panel_PrintView")},
            {"SyouhinChoose", Shown("Panel_SyouhinChoose")},
            {"HinsyuChoose", Shown("Panel_ChooseHinsyu")},
            {"TanniChoose", Shown("Panel_Tanni")},
            {"KokyakuChoose", Shown("Panel_ChooseKokyaku")},
            {"rec", std::to_string(Denpyou_CurRec)},
            {"count", std::to_string(Denpyou_Count)},
            {"lastno", std::to_string(Denpyou_LastNo)},
            {"grid", Pair(Denpyou_TopLine, Denpyou_CurRow)},
            {"doc", Hash(doc)},
            {"Denpyou.620", File("Data\\Denpyou.620")},
            {"Kokyaku.620", File("Data\\Kokyaku.620")},
            {"Syouhin.620", File("Data\\Syouhin.620")},
            {"customers", Pair(Kokyaku_Top, Kokyaku_Row)},
            {"products", Pair(Syouhin_Top, Syouhin_Row)},
            {"categories", Pair(Hinsyu_Top, Hinsyu_Row)},
            {"categorylist", Hash(categories)},
            {"units", Hash(units)},
            {"hinsyuchooser", Pair(HinsyuChoose_Top, HinsyuChoose_Row)},
            {"tannichooser", Pair(TanniChoose_Top, TanniChoose_Row)},
            {"syouhinchooser", Pair(SyouhinChoose_Top, SyouhinChoose_Row) + "/" + std::to_string(SyouhinChoose_Hinsyu)},
            {"kokyakuchooser", std::to_string(KokyakuChoose_Top)},
            {"bar", BarOn() + "|" + captions},
            {"utiwake", std::to_string(Utiwake_Kind)},
            {"messages", std::to_string(Session.Messages().size())},
        };
    }
};

// What changed between two observations, as "a,b,c" in the order observed.
std::string Changed(const TObserved& before, const TObserved& after) {
    std::string changed;
    for (const auto& [name, value] : after)
        if (before.at(name) != value) changed += (changed.empty() ? "" : ",") + name;
    return changed;
}

// ---- the states, each reached from a fresh start by the keyboard and mouse
struct TState {
    const char* Name;
    std::function<void(Dispatch&)> Enter;
};

// The editor on stored document 2, from its header.
void Stored(Dispatch& d) { d.Key(vk::F7, 2); }
// Then a cell of the grid's row 5 with the window half a page down (from
// line 10), so that both half-page moves show.
void InGrid(Dispatch& d, const char* cell) {
    Stored(d);
    d.Click("Edit_DenpSyousai_05");
    d.Key(vk::PageDown);
    d.Click(cell);
}

const TState States[] = {
    {"editor, new document", [](Dispatch&) {}},
    {"editor, stored document", Stored},
    {"editor, description cell", [](Dispatch& d) { InGrid(d, "Edit_DenpSyousai_05"); }},
    {"editor, quantity cell", [](Dispatch& d) { InGrid(d, "Edit_DenpSuuryou_05"); }},
    {"editor, customer chooser",
     [](Dispatch& d) {
         InGrid(d, "Edit_DenpSyousai_05");
         d.Click("Label_KokyakuListSW");
     }},
    {"editor, product chooser",
     [](Dispatch& d) {
         InGrid(d, "Edit_DenpSyousai_05");
         d.Key(vk::F8);
     }},
    {"editor, category chooser over the product chooser",
     [](Dispatch& d) {
         InGrid(d, "Edit_DenpSyousai_05");
         d.Key(vk::F8);
         d.Key(vk::F1);
     }},
    {"editor, unit chooser", [](Dispatch& d) { InGrid(d, "Edit_DenpTanni_05"); }},
    {"document list", [](Dispatch& d) { d.Click("Label_Job_02"); }},
    {"customers",
     [](Dispatch& d) {
         d.Click("Label_Job_03");
         d.Key(vk::F8);
         d.Click("Edit_PanelKokyaku_Name_1_03");
     }},
    {"categories",
     [](Dispatch& d) {
         d.Click("Label_Job_04");
         d.Click("Label_Command_01_F8");
         d.Click("Edit_Hinsyu_Name_03");
     }},
    {"products",
     [](Dispatch& d) {
         d.Click("Label_Job_05");
         d.Key(vk::F8);
         d.Click("Edit_Syouhin_Name_03");
     }},
    {"products, category chooser",
     [](Dispatch& d) {
         d.Click("Label_Job_05");
         d.Key(vk::F8);
         d.Click("Label_Syouhin_Hinsyu_03");
     }},
    {"products, unit chooser",
     [](Dispatch& d) {
         d.Click("Label_Job_05");
         d.Key(vk::F8);
         d.Click("Edit_Syouhin_Tannni_03");
     }},
    {"own company", [](Dispatch& d) { d.Click("Label_Job_06"); }},
    {"own company, unit list",
     [](Dispatch& d) {
         d.Click("Label_Job_06");
         d.Click("Edit_TanniList_02");
     }},
    {"data maintenance", [](Dispatch& d) { d.Click("Label_Job_07"); }},
    {"wording", [](Dispatch& d) { d.Click("Label_Job_09"); }},
};

const TState& StateNamed(const std::string& name) {
    for (const TState& s : States)
        if (name == s.Name) return s;
    throw std::out_of_range(name);
}

constexpr void (*Commands[10])() = {Command_F1, Command_F2, Command_F3, Command_F4, Command_F5,
                                     Command_F6, Command_F7, Command_F8, Command_F9, Command_Esc};
const char* const KeyNames[10] = {"F1", "F2", "F3", "F4", "F5", "F6", "F7", "F8", "F9", "Esc"};

// Where F4 and F5 change the same things, what tells them apart afterwards:
// a count, or the text of the cursor's row (a delete brings the next one up,
// an insert leaves it empty).
std::string Trimmed(std::string text) {
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}
std::string GridLine(Dispatch&) {
    return Trimmed(Denpyou_Field[DenpyouField_Line(Denpyou_TopLine + Denpyou_CurRow, LineField_Syousai)]);
}
std::string Customers(Dispatch&) { return std::to_string(Kokyaku_Count); }
std::string CategoryRow(Dispatch&) { return Trimmed(Hinsyu_Name[Hinsyu_Top + Hinsyu_Row]); }
std::string Products(Dispatch&) { return std::to_string(Syouhin_Count); }
std::string UnitRow(Dispatch&) { return Trimmed(Tanni_List[TanniList_Top + TanniList_Row]); }

// Expected per state (in the order of States) and key: what changes, and
// after a "|" the bar's keys on afterwards where it changes. "" is nothing at
// all; F9 also starts the breakdown title over ("utiwake") everywhere. Where
// F4 and F5 change the same things, Tell says what they leave behind.
struct TExpected {
    const char* Keys[10];
    std::string (*Tell)(Dispatch&) = nullptr;
    const char* AfterF4 = nullptr;
    const char* AfterF5 = nullptr;
};

// A screen where no command acts: F9 only starts the title over.
constexpr TExpected Quiet{{"", "", "", "", "", "", "", "", "utiwake", ""}};

const TExpected Expected[] = {
    {{  // editor, new document
        "",  // F1
        "",  // F2
        "Preview,focus",  // F3: the preview, also of a new document
        "",  // F4
        "",  // F5
        "",  // F6
        "bar,doc,grid,rec,utiwake|F1F2F3F6F7F8F9",  // F7: the last stored document
        "utiwake",  // F8: off; it sets the title variant all the same
        "utiwake",  // F9
        "",  // Esc
    }},
    {{  // editor, stored document
        "Denpyou.620,doc,rec",  // F1
        "Denpyou.620,bar,doc|F1F2F3F6F7F8F9",  // F2
        "Preview,focus",  // F3
        "",  // F4
        "",  // F5
        "Denpyou.620,count,doc,lastno,rec",  // F6: the copy, then a new document
        "doc,rec,utiwake",  // F7
        "doc,rec,utiwake",  // F8
        "bar,doc,rec,utiwake|F1F3F7",  // F9
        "",  // Esc
    }},
    {{  // editor, description cell
        "Denpyou.620,bar,doc,focus,grid,rec|F1F3F7",  // F1
        "Denpyou.620,bar,doc|F1F2F3F4F5F6F8F9",  // F2
        "Preview,focus",  // F3
        "doc",  // F4: the cursor line deleted
        "doc",  // F5: a blank line inserted
        "Denpyou.620,count,doc,lastno,rec",  // F6
        "",  // F7: no stepping from the grid
        "SyouhinChoose,bar|F1F3F4F5F6F9",  // F8: the product chooser opens
        "bar,doc,focus,grid,rec,utiwake|F1F3F7",  // F9
        "",  // Esc
    }, GridLine, "明細16", ""},
    {{  // editor, quantity cell
        "Denpyou.620,bar,doc,focus,grid,rec|F1F3F7",  // F1
        "Denpyou.620,bar,doc|F1F2F3F4F5F6F9",  // F2
        "Preview,doc,focus",  // F3: the cell commits as it is left
        "doc",  // F4
        "doc",  // F5
        "Denpyou.620,count,doc,lastno,rec",  // F6
        "",  // F7
        "",  // F8: only in the description column
        "bar,doc,focus,grid,rec,utiwake|F1F3F7",  // F9
        "",  // Esc
    }, GridLine, "明細16", ""},
    {{  // editor, customer chooser
        "Denpyou.620,doc,grid,rec",  // F1: stored; the chooser stays open
        "Denpyou.620,bar,doc|F1F2F3F4F5F6F8F9",  // F2
        "Preview,focus",  // F3
        "doc",  // F4
        "doc",  // F5: the grid's cursor line, as anywhere
        "Denpyou.620,count,doc,lastno,rec",  // F6
        "",  // F7: its first page already
        "bar,kokyakuchooser|F1F2F3F4F5F6F7F9",  // F8: its next page
        "bar,doc,grid,rec,utiwake|F1F3F7",  // F9
        "",  // Esc
    }, GridLine, "明細16", ""},
    {{  // editor, product chooser
        "HinsyuChoose,bar,focus|F1F9",  // F1: the category change
        "",  // F2
        "bar,focus,grid|F1F2F3F4F5F6F8F9",  // F3
        "bar,focus,grid|F1F2F3F4F5F6F8F9",  // F4
        "grid",  // F5: half a page back
        "grid",  // F6: half a page on
        "",  // F7
        "",  // F8
        "SyouhinChoose,bar,utiwake|F1F2F3F4F5F6F8F9",  // F9: closed
        "",  // Esc
    }},
    {{  // editor, category chooser over the product chooser
        "HinsyuChoose,bar,focus|F1F2F3F4F5F6F8F9",  // F1: closed again
        "",  // F2
        "",  // F3
        "",  // F4
        "",  // F5: off while it is open
        "",  // F6: off while it is open
        "",  // F7
        "",  // F8
        "HinsyuChoose,bar,focus,utiwake|F1F2F3F4F5F6F8F9",  // F9: closed
        "",  // Esc
    }},
    {{  // editor, unit chooser
        "",  // F1: nothing, as in its cell
        "",  // F2
        "bar,focus,grid|F1F3F4F5F6F9",  // F3
        "bar,focus,grid|F1F3F4F5F6F9",  // F4
        "grid",  // F5
        "grid",  // F6
        "",  // F7
        "",  // F8
        "TanniChoose,bar,utiwake|F1F2F3F4F5F6F9",  // F9: the unit at its cursor taken
        "",  // Esc
    }},
    Quiet,  // document list
    {{  // customers
        "",  // F1
        "",  // F2
        "",  // F3
        "Kokyaku.620",  // F4
        "Kokyaku.620",  // F5
        "",  // F6
        "customers",  // F7
        "customers",  // F8: the last page
        "customers,focus,utiwake",  // F9
        "",  // Esc
    }, Customers, "29", "31"},
    {{  // categories
        "",  // F1
        "",  // F2
        "",  // F3
        "categorylist",  // F4
        "categorylist",  // F5
        "",  // F6
        "categories,focus",  // F7
        "",  // F8: the second page already
        "categories,focus,utiwake",  // F9
        "",  // Esc
    }, CategoryRow, "品種54", ""},
    {{  // products
        "",  // F1
        "",  // F2
        "",  // F3
        "Syouhin.620",  // F4
        "Syouhin.620",  // F5
        "",  // F6
        "products",  // F7
        "",  // F8: the last page already
        "focus,products,utiwake",  // F9
        "",  // Esc
    }, Products, "29", "31"},
    {{  // products, category chooser
        "",  // F1
        "",  // F2
        "products",  // F3
        "products",  // F4
        "",  // F5: nothing under a chooser
        "",  // F6
        "products",  // F7: a page back, the chooser from its first entry
        "",  // F8
        "HinsyuChoose,bar,focus,utiwake|F4F5F7F8F9",  // F9
        "",  // Esc
    }},
    {{  // products, unit chooser
        "",  // F1
        "",  // F2
        "focus,products",  // F3: the chooser on the row above, the bar as it was
        "focus,products",  // F4
        "",  // F5: nothing under a chooser
        "",  // F6
        "products",  // F7
        "",  // F8
        "TanniChoose,bar,utiwake|F4F5F7F8F9",  // F9: the unit at its cursor taken
        "",  // Esc
    }},
    Quiet,  // own company
    {{  // own company, unit list
        "",  // F1
        "",  // F2
        "",  // F3
        "units",  // F4: its unit deleted
        "units",  // F5: a blank unit inserted
        "",  // F6
        "",  // F7
        "",  // F8
        "utiwake",  // F9
        "",  // Esc
    }, UnitRow, "m", ""},
    Quiet,  // data maintenance (its F1 ... F3 are labels of its own)
    Quiet,  // wording
};

TEST(DispatchTable, EveryStateAgainstEveryKey) {
    static_assert(std::size(Expected) == std::size(States));
    for (size_t s = 0; s < std::size(States); ++s)
        for (int k = 0; k < 10; ++k) {
            SCOPED_TRACE(std::string(States[s].Name) + ", " + KeyNames[k]);
            Dispatch d;
            d.Start();
            States[s].Enter(d);
            Utiwake_Kind = 1;  // F9 starts it over on every screen
            const TObserved before = d.Observe();
            Commands[k]();
            const std::string changed = Changed(before, d.Observe());
            EXPECT_EQ(changed + (changed.find("bar") != std::string::npos ? "|" + Dispatch::BarOn() : ""),
                      Expected[s].Keys[k]);
            const TExpected& e = Expected[s];
            if ((k == 3 || k == 4) && *e.Keys[3] && std::string(e.Keys[3]) == e.Keys[4]) {
                ASSERT_NE(e.Tell, nullptr) << "F4 and F5 change the same things: what tells them apart?";
                EXPECT_EQ(e.Tell(d), k == 3 ? e.AfterF4 : e.AfterF5);
            }
        }
}

// F5 under a chooser does what the table says even with its flag on (a cell
// refused under a chooser may have put its screen's bar back): a screen's F5
// that forgot to look for the chooser would insert under it.
TEST(DispatchTable, F5UnderAChooserWhateverItsFlag) {
    int choosers = 0;
    for (size_t s = 0; s < std::size(States); ++s) {
        if (!std::string(States[s].Name).ends_with("chooser")) continue;
        ++choosers;
        SCOPED_TRACE(States[s].Name);
        Dispatch d;
        d.Start();
        States[s].Enter(d);
        Command_Enable(vk::F5, true);
        const TObserved before = d.Observe();
        Command_F5();
        EXPECT_EQ(Changed(before, d.Observe()), Expected[s].Keys[4]);
    }
    EXPECT_GT(choosers, 0) << "no state's name ends with \"chooser\"";
}

// The unit list's editor takes F4 and F5 from the bar whatever their flags
// say: the entry at its cursor deleted, a blank one inserted.
TEST(DispatchTable, TheUnitListTakesF4AndF5WhateverTheFlags) {
    Dispatch d;
    d.Start();
    StateNamed("own company, unit list").Enter(d);
    ASSERT_EQ(std::string(Tanni_List[1]), "個    ");
    Command_Enable(vk::F4, false);
    Command_Enable(vk::F5, false);
    d.Click("Label_Command_01_F4");
    EXPECT_EQ(std::string(Tanni_List[1]), "m     ");
    d.Click("Label_Command_01_F5");
    EXPECT_EQ(std::string(Tanni_List[1]), "      ");
    EXPECT_EQ(std::string(Tanni_List[2]), "m     ");
}

// ---- the wheel: every third event acts, in its own direction, on the open
// chooser or the grid's column the focus is in; elsewhere nothing.
struct TWheelCase {
    const char* What;
    std::function<void(Dispatch&)> Enter;  // nullptr: the state of that name
    int Down;                              // the cursor moved down so many first (Down keys)
    const char* Changed;                   // what two notches down and one up change
    const char* Observed = nullptr;        // and the value one of them ends at
    const char* Value = nullptr;
};

TEST(DispatchWheel, TheThirdNotchActsInItsOwnDirection) {
    const TWheelCase cases[] = {
        {"editor, description cell", nullptr, 0, "focus,grid", "grid", "10/3"},
        {"editor, quantity cell", nullptr, 0, "doc,focus,grid", "grid", "10/3"},  // (the cell left commits)
        {"editor, list price cell", [](Dispatch& d) { InGrid(d, "Edit_DenpTanka_05"); }, 0, ""},
        {"editor, stored document", nullptr, 0, ""},
        {"editor, customer chooser", nullptr, 0, ""},
        {"editor, product chooser", nullptr, 2, "syouhinchooser", "syouhinchooser", "0/1/0"},
        {"editor, category chooser over the product chooser", nullptr, 2, "hinsyuchooser", "hinsyuchooser", "0/1"},
        {"editor, unit chooser", nullptr, 0, "tannichooser", "tannichooser", "0/2"},
        {"editor, preview",
         [](Dispatch& d) {
             InGrid(d, "Edit_DenpSyousai_05");
             d.Key(vk::F3);
         },
         0, ""},
        {"editor, exit question",
         [](Dispatch& d) {
             InGrid(d, "Edit_DenpSyousai_05");
             d.Click("Label_Job_10");
         },
         0, ""},
        {"document list", nullptr, 0, ""},
        {"customers", nullptr, 0, ""},
        {"categories", nullptr, 0, ""},
        {"products", nullptr, 0, ""},
        {"products, category chooser", nullptr, 2, "hinsyuchooser", "hinsyuchooser", "0/1"},
        {"products, unit chooser", nullptr, 0, "tannichooser", "tannichooser", "0/0"},
        {"own company", nullptr, 0, ""},
        {"own company, unit list", nullptr, 0, ""},
        {"data maintenance", nullptr, 0, ""},
        {"wording", nullptr, 0, ""},
    };
    for (const TWheelCase& c : cases) {
        SCOPED_TRACE(c.What);
        Dispatch d;
        d.Start();
        (c.Enter ? c.Enter : StateNamed(c.What).Enter)(d);
        d.Key(vk::Down, c.Down);
        const TObserved before = d.Observe();
        d.Session.Wheel(-2);
        EXPECT_EQ(d.Observe(), before);  // two events: nothing yet
        d.Session.Wheel(+1);
        const TObserved after = d.Observe();
        EXPECT_EQ(Changed(before, after), c.Changed);
        if (c.Observed) {
            EXPECT_EQ(after.at(c.Observed), c.Value);
        }
    }
}

// The count runs on the screens where the wheel does nothing: two events
// there and one in the grid make the third, which acts.
TEST(DispatchWheel, TheCountRunsWhereNothingActs) {
    Dispatch d;
    d.Start();
    d.Click("Label_Job_03");
    d.Session.Wheel(-2);
    d.Click("Label_Job_01");
    InGrid(d, "Edit_DenpSyousai_05");
    d.Session.Wheel(-1);
    EXPECT_EQ(Denpyou_CurRow, 5);
}

}  // namespace
