// The program's own window rendered offscreen: the job menu, the bar, the
// editor and their Japanese captions reach the picture.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QString>

#include "platform/Cp932.h"
#include "platform/qt/QtText.h"
#include "platform/qt/Screenshot.h"
#include "tests/qt/QtTestApp.h"
#include "tools/Headless.h"

namespace {

// Whether the font a control is drawn with holds a glyph for every character
// of its text: drawn pixels alone would also come from the boxes that stand
// in for missing glyphs.
::testing::AssertionResult GlyphsExist(THeadlessSession& session, const char* name) {
    const TControl* c = session.Control(name);
    if (!c) return ::testing::AssertionFailure() << name << " is missing";
    const QString text = QString::fromStdString(Cp932_ToUtf8(session.TextOf(name).value_or("")));
    if (text.trimmed().isEmpty()) return ::testing::AssertionFailure() << name << " shows no text";
    const QFontMetrics metrics(Qt_Font(c->Font));
    for (char32_t ch : text.toUcs4())
        if (ch != U' ' && !metrics.inFontUcs4(ch))
            return ::testing::AssertionFailure() << name << ": no glyph for U+" << std::hex
                                                 << static_cast<unsigned>(ch);
    return ::testing::AssertionSuccess();
}

TEST(Window, RendersTheStartScreenWithItsJapaneseCaptions) {
    TestApp();
    THeadlessSession session;
    ASSERT_TRUE(session.Start());
    const QImage image = Qt_RenderForm(*session.Form());
    ASSERT_EQ(image.size(), QSize(1024, 768));
    if (const char* out = std::getenv("SYORI_SCREENSHOT")) image.save(out);

    // The current menu entry is navy with white text; the others olive.
    TControl* current = session.Control("Label_Job_01");
    TControl* other = session.Control("Label_Job_02");
    EXPECT_EQ(session.TextOf("Label_Job_01"), Cp932_FromUtf8("見積伝票"));
    EXPECT_GT(CountPixels(image, QColor(0, 0, 128), QRect(current->ScreenLeft(), current->ScreenTop(), current->Width, current->Height)), 100);
    EXPECT_GT(TextPixels(image, current, QColor(0, 0, 128)), 40);
    EXPECT_GT(CountPixels(image, QColor(128, 128, 0), QRect(other->ScreenLeft(), other->ScreenTop(), other->Width, other->Height)), 100);
    // The bar's F1 cell is olive with its caption; F2 silver on a new document.
    TControl* f1 = session.Control("Label_Command_01_F1");
    EXPECT_GT(TextPixels(image, f1, QColor(128, 128, 0)), 40);
    TControl* f2 = session.Control("Label_Command_01_F2");
    EXPECT_GT(CountPixels(image, QColor(192, 192, 192), QRect(f2->ScreenLeft(), f2->ScreenTop(), f2->Width, f2->Height)), 100);
    // The focused first header field has the red frame of the cursor.
    TControl* frame = session.Control("Shape_DenpKokyakuName_1");
    EXPECT_GT(CountPixels(image, QColor(255, 0, 0), QRect(frame->ScreenLeft(), frame->ScreenTop(), frame->Width, frame->Height)), 100);
    // The Japanese captions are drawn with glyphs of their own.
    for (const char* name : {"Label_Job_01", "Label_Job_02", "Label_Command_01_F1", "Label_DenpyouKind"})
        EXPECT_TRUE(GlyphsExist(session, name));
    // The state caption and the date are drawn.
    EXPECT_GT(TextPixels(image, session.Control("Label_DenpyouKind"), QColor(255, 255, 255)), 20);
    EXPECT_GT(TextPixels(image, session.Control("Label_Date"), image.pixelColor(0, 0)), 20);
}

}  // namespace
