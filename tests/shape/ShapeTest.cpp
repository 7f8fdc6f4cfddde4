// The shape the code keeps, checked on its sources and on the window it
// builds: each folder looks up only its own controls and names no other
// folder's, the form's lookups and the commit flag stay in the shell's
// mechanism, ui/ holds no screen's focus code, app/ names each folder once,
// includes keep their form, and no include closes a circle of folders.
#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <map>
#include <regex>
#include <set>
#include <string>

#include "app/FocusTable.h"
#include "app/Folders.h"
#include "tests/shape/SourceFiles.h"
#include "tools/Headless.h"
#include "ui/Owner.h"

namespace {

const std::vector<TSourceFile>& Files() {
    static const std::vector<TSourceFile> files = Source_Files();
    return files;
}

// Lines of the files whose code (comments aside) matches the pattern.
std::vector<std::string> Matches(const std::regex& pattern, bool (*allowed)(const TSourceFile&)) {
    std::vector<std::string> found;
    for (const TSourceFile& f : Files()) {
        if (allowed(f)) continue;
        for (auto it = std::sregex_iterator(f.Code.begin(), f.Code.end(), pattern); it != std::sregex_iterator();
             ++it) {
            const auto line = 1 + std::count(f.Code.begin(), f.Code.begin() + it->position(), '\n');
            found.push_back(f.Path + ":" + std::to_string(line) + ": " + it->str());
        }
    }
    return found;
}

// The suffixes a literal prefix is completed with: a row's two digits, a
// bar cell's key.
const std::vector<std::string>& Suffixes() {
    static const std::vector<std::string> suffixes = [] {
        std::vector<std::string> s;
        for (int row = 0; row <= 99; ++row) s.push_back((row < 10 ? "0" : "") + std::to_string(row));
        for (const char* key : {"F1", "F2", "F3", "F4", "F5", "F6", "F7", "F8", "F9", "ESC"}) s.push_back(key);
        return s;
    }();
    return suffixes;
}

class ShapeTest : public ::testing::Test {
protected:
    THeadlessSession Session;
    std::map<std::string, std::string> Owners;  // control name -> its folder

    void SetUp() override {
        ASSERT_TRUE(Session.Start());
        for (const TControl* c : Session.Form()->AllControls()) Owners[c->Name()] = Owner_Of(c);
    }

    // The folder of the control a literal names, itself or as a prefix of a
    // family of controls; empty when it names none.
    std::string OwnerNamed(const std::string& literal) const {
        if (const auto it = Owners.find(literal); it != Owners.end()) return it->second;
        for (const std::string& suffix : Suffixes())
            if (const auto it = Owners.find(literal + suffix); it != Owners.end()) return it->second;
        return {};
    }
};

TEST_F(ShapeTest, EveryControlBelongsToTheFolderThatBuiltIt) {
    std::set<std::string> folders;
    for (const TSourceFile& f : Files()) folders.insert(f.Folder);
    for (const auto& [name, owner] : Owners) {
        EXPECT_FALSE(owner.empty()) << name << " was not built through ui/Build.h";
        EXPECT_TRUE(owner == "app" || folders.count(owner)) << name << " belongs to " << owner;
    }
    // The folder records name their own folders.
    for (const TFolder* folder : App_Folders) {
        EXPECT_TRUE(folders.count(folder->Path)) << folder->Path;
        for (const TPanelPlace& p : folder->Panels) EXPECT_EQ(Owners[p.Name], folder->Path) << p.Name;
    }
}

// A folder names no control of another folder: what it needs of one it asks
// the owning folder for, through a function that folder declares.
TEST_F(ShapeTest, NoFolderNamesAnotherFoldersControls) {
    std::vector<std::string> foreign;
    for (const TSourceFile& f : Files())
        for (const TLiteral& l : f.Literals) {
            const std::string owner = OwnerNamed(l.Text);
            if (!owner.empty() && owner != f.Folder)
                foreign.push_back(f.Path + ":" + std::to_string(l.Line) + ": \"" + l.Text + "\" is " + owner + "'s");
        }
    EXPECT_EQ(foreign, std::vector<std::string>{});
}

// The form's own lookups are the shell's mechanism: the folders look up
// through ui/Ui.h (checked) and bind through Ui_Built (loud).
TEST(SourceShape, TheFormsLookupsStayInUiAndPlatform) {
    const auto found = Matches(std::regex(R"((\.|->)\s*Find(As)?\s*[(<])"),
                               [](const TSourceFile& f) { return f.In("ui") || f.In("platform"); });
    EXPECT_EQ(found, std::vector<std::string>{});
}

// The commit flag is the edit protocol's (ui/EditTable.h); only the grid's
// own cells, which keep their keys, touch it besides.
TEST(SourceShape, TheCommitFlagStaysInTheProtocolAndTheGridCells) {
    const auto found = Matches(std::regex(R"(\bFlag_EnterCommitted\b)"), [](const TSourceFile& f) {
        return f.In("ui") || f.Path == "editor/Syousai.cpp" || f.Path == "editor/ValueCells.cpp";
    });
    EXPECT_EQ(found, std::vector<std::string>{});
}

// ui/ holds no screen's facts: no number of a focus code in its code.
TEST(SourceShape, UiHoldsNoFocusCodeOfAScreen) {
    std::set<int> codes;
    for (const TFocusEntry& e : Focus_CodeTable) codes.insert(e.Code);
    std::vector<std::string> found;
    const std::regex number(R"(\b[0-9]{4}\b)");
    for (const TSourceFile& f : Files()) {
        if (!f.In("ui")) continue;
        for (auto it = std::sregex_iterator(f.Code.begin(), f.Code.end(), number); it != std::sregex_iterator(); ++it)
            if (codes.count(std::stoi(it->str()))) found.push_back(f.Path + ": " + it->str());
    }
    EXPECT_EQ(found, std::vector<std::string>{});
}

// app/ walks the list of folders: each folder is named in one place there.
TEST(SourceShape, AppNamesEachFolderOnce) {
    for (const TFolder* folder : App_Folders) {
        const std::regex include("#\\s*include\\s*\"" + std::string(folder->Path) + "/[^/\"]+\"");
        int places = 0;
        for (const TSourceFile& f : Files())
            if (f.In("app"))
                places += static_cast<int>(std::distance(
                    std::sregex_iterator(f.Code.begin(), f.Code.end(), include), std::sregex_iterator()));
        EXPECT_EQ(places, 1) << folder->Path;
    }
}

// An include names a folder from the top of the tree ("store/Denpyou.h"),
// so that the layers' include directories decide what it sees: none climbs
// out of its folder or names a path of its own.
TEST(SourceShape, IncludesKeepTheirForm) {
    const auto found = Matches(std::regex(R"(#\s*include\s*["<](\.\.|/|\./))"), [](const TSourceFile&) {
        return false;
    });
    EXPECT_EQ(found, std::vector<std::string>{});
}

// The folders stand in one order: no include closes a circle between
// folders. Between libraries the build refuses one already (a layer sees
// only the layers below it); between the folders of one library (print/
// under print/list and print/preview, the screens of settings/) this alone
// does. Each include that closes one is named with the way back.
TEST(SourceShape, NoIncludeClosesACircleOfFolders) {
    struct TInclude {
        std::string At, From, To;
    };
    std::set<std::string> folders;
    for (const TSourceFile& f : Files()) folders.insert(f.Folder);
    std::vector<TInclude> includes;
    std::map<std::string, std::set<std::string>> uses;  // folder -> the folders it includes from
    const std::regex include(R"re(#\s*include\s*"(([^"]+)/[^/"]+)")re");
    for (const TSourceFile& f : Files())
        for (auto it = std::sregex_iterator(f.Code.begin(), f.Code.end(), include); it != std::sregex_iterator();
             ++it) {
            const std::string to = (*it)[2];
            if (to == f.Folder || !folders.count(to)) continue;
            const auto line = 1 + std::count(f.Code.begin(), f.Code.begin() + it->position(), '\n');
            includes.push_back({f.Path + ":" + std::to_string(line) + ": " + (*it)[1].str(), f.Folder, to});
            uses[f.Folder].insert(to);
        }
    // The way from one folder to another through the includes ("a -> b -> c"),
    // empty when there is none.
    auto wayFrom = [&](const std::string& from, const std::string& to) {
        std::map<std::string, std::string> cameFrom{{from, ""}};
        std::deque<std::string> next{from};
        while (!next.empty() && !cameFrom.count(to)) {
            const std::string at = next.front();
            next.pop_front();
            for (const std::string& used : uses[at])
                if (cameFrom.emplace(used, at).second) next.push_back(used);
        }
        if (!cameFrom.count(to)) return std::string();
        std::string way = to;
        for (std::string at = cameFrom[to]; !at.empty(); at = cameFrom[at]) way = at + " -> " + way;
        return way;
    };
    std::vector<std::string> found;
    for (const TInclude& i : includes)
        if (const std::string back = wayFrom(i.To, i.From); !back.empty())
            found.push_back(i.At + " (" + i.From + " -> " + back + ")");
    EXPECT_EQ(found, std::vector<std::string>{});
}

}  // namespace
