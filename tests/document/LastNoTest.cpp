// The last document number: written through to the own-company record by
// every store that takes a new number, taken from the last stored document
// where that record has none, and never used up by a store that failed.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/FileFault.h"
#include "store/Denpyou.h"
#include "tests/app/ShellFixture.h"

namespace {

const char* const JisyaPath = "Data\\Jisya.620";
constexpr size_t LastNoAt = 231;  // own-company field 13, ten bytes

std::string Number10(int no) {
    std::string s = std::to_string(no);
    return std::string(10 - s.size(), ' ') + s;
}
std::string Document(int no) { return Record(23000, {{0, "1"}, {1, Number10(no)}, {11, "A社"}}); }

class LastNo : public ShellTest {
protected:
    std::string Stored() { return Session.ReadFile(JisyaPath).value_or("").substr(LastNoAt, 10); }
    void TypeCustomer() {
        Session.Type("山田電気");
        Session.Key(vk::Return);
    }
};

TEST_F(LastNo, EveryNewDocumentWritesItsNumberThroughAtOnce) {
    Start();
    EXPECT_EQ(Stored(), "          ");
    for (int no = 1; no <= 2; ++no) {
        TypeCustomer();
        ASSERT_TRUE(Session.Key(vk::F1));
        EXPECT_EQ(Stored(), Number10(no));  // before any exit
    }
    EXPECT_EQ(Caption("Edit_DenpNo"), Number10(3));
    EXPECT_FALSE(Session.FileExists("Data\\Jisya.620.jnl"));
}

// Start-up on stored documents 3 and 5 (the last one stored last). A field
// that holds no number as the own-company screen writes one (blanks, an
// optional sign, ASCII digits) is damaged and counts as blank.
TEST(LastNoAtStart, AnOwnCompanyRecordWithoutANumberTakesTheLastStoredDocuments) {
    const struct {
        const char* What;
        std::optional<std::string> Jisya;  // nullopt: the file is missing
        bool Documents;
        int Next;
    } cases[] = {
        {"record missing", std::nullopt, true, 6},
        {"number blank", Record(1000), true, 6},
        {"number 0 as typed", Record(1000, {{231, Number10(0)}}), true, 1},
        {"number 7", Record(1000, {{231, Number10(7)}}), true, 8},
        {"record missing, no documents", std::nullopt, false, 1},
        {"negative as typed", Record(1000, {{231, Number10(-4)}}), true, -3},
        {"a sign, left-aligned", Record(1000, {{231, "+7        "}}), true, 8},
        {"letters", Record(1000, {{231, "       abc"}}), true, 6},
        {"digits then letters", Record(1000, {{231, "      12ab"}}), true, 6},
        {"full-width digits", Record(1000, {{231, "    １２３"}}), true, 6},
        {"a blank between digits", Record(1000, {{231, "     1 2  "}}), true, 6},
        {"a sign alone", Record(1000, {{231, "         -"}}), true, 6},
        {"two minus signs", Record(1000, {{231, "       --7"}}), true, 6},
        {"a plus and a minus sign", Record(1000, {{231, "       +-7"}}), true, 6},
        {"a tab before the digits", Record(1000, {{231, "        \t7"}}), true, 6},
        {"letters, no documents", Record(1000, {{231, "       abc"}}), false, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        THeadlessSession session;
        if (c.Jisya) {
            ASSERT_TRUE(session.WriteFile(JisyaPath, *c.Jisya));
        }
        if (c.Documents) {
            ASSERT_TRUE(session.WriteFile("Data\\Denpyou.620", Document(3) + Document(5)));
        }
        ASSERT_TRUE(session.Start());
        EXPECT_EQ(session.TextOf("Edit_DenpNo"), Number10(c.Next));
        // Start-up itself writes no number.
        EXPECT_EQ(session.ReadFile(JisyaPath).value_or("").substr(LastNoAt, 10),
                  c.Jisya ? c.Jisya->substr(LastNoAt, 10) : "          ");
    }
}

// The writes of F1 on a new document: 1 and 2 the number's journal and
// field, 3 and 4 the document's journal and record. Whichever fails, the
// user is told which file, the document stays in the editor, and neither
// file holds anything new: the number goes back to what it was.
TEST(LastNoFailed, AStoreThatFailsUsesUpNoNumber) {
    const struct {
        int Nth;
        const char* Message;
    } cases[] = {
        {1, "Jisya.620を保存できませんでした。"},
        {2, "Jisya.620を保存できませんでした。"},
        {3, "Denpyou.620を保存できませんでした。"},
        {4, "Denpyou.620を保存できませんでした。"},
    };
    const std::string jisya = Record(1000, {{231, Number10(2)}});
    const std::string documents = Document(1) + Document(2);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Nth);
        THeadlessSession session;
        ASSERT_TRUE(session.WriteFile(JisyaPath, jisya));
        ASSERT_TRUE(session.WriteFile("Data\\Denpyou.620", documents));
        ASSERT_TRUE(session.Start());
        session.Type("山田電気");
        session.Key(vk::Return);
        FileFault_Reset();
        FileFault_Plan(TFileOp::Write, c.Nth, 3);
        ASSERT_TRUE(session.Key(vk::F1));
        FileFault_Reset();
        EXPECT_EQ(session.Messages(), std::vector<std::string>{c.Message});
        EXPECT_EQ(session.ReadFile(JisyaPath), jisya);
        EXPECT_EQ(session.ReadFile("Data\\Denpyou.620"), documents);
        EXPECT_FALSE(session.FileExists("Data\\Jisya.620.jnl"));
        EXPECT_FALSE(session.FileExists("Data\\Denpyou.620.jnl"));
        EXPECT_EQ(session.TextOf("Edit_DenpKokyakuName_1"), "山田電気" + std::string(32, ' '));
        EXPECT_EQ(session.TextOf("Edit_DenpNo"), Number10(3));
        EXPECT_EQ(Denpyou_Count, 2);

        // Stored once the files take it, under the same number.
        ASSERT_TRUE(session.Key(vk::F1));
        EXPECT_EQ(session.ReadFile(JisyaPath)->substr(LastNoAt, 10), Number10(3));
        EXPECT_EQ(session.ReadFile("Data\\Denpyou.620")->substr(2 * 23000, 11), "1" + Number10(3));
        EXPECT_EQ(session.TextOf("Edit_DenpNo"), Number10(4));
    }
}

}  // namespace
