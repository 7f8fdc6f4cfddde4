// The window's picture: Japanese captions in the mapped fonts, BGR colours,
// shapes with the pen inside their bounds, hidden and clipped controls.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetrics>
#include <QRawFont>

#include "QtTestApp.h"
#include "platform/Cp932.h"
#include "platform/Form.h"
#include "platform/qt/QtText.h"
#include "platform/qt/Screenshot.h"
#include "platform/qt/Window.h"

namespace {

TEST(QtFont, FaceNamesMapToInstalledJapaneseFonts) {
    TestApp();
    const struct {
        const char* face;
        const char* family;
    } rows[] = {
        {"ＭＳ ゴシック", "IPAGothic"}, {"ＭＳ Ｐゴシック", "IPAPGothic"}, {"ＭＳ 明朝", "IPAMincho"},
        {"ＭＳ Ｐ明朝", "IPAPMincho"},  {"", "IPAPGothic"},                 {"Arial", "IPAPGothic"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.face);
        TFont font;
        font.Name = Cp932_FromUtf8(row.face);
        font.Height = -16;
        const QFont q = Qt_Font(font);
        EXPECT_EQ(Qt_FontFamily(font.Name).toStdString(), row.family);
        // The family is really installed and holds the kanji: the drawn font
        // file's own name (QFontInfo's is fontconfig's in the desktop's
        // language, "IPAゴシック" on a Japanese one).
        EXPECT_EQ(QRawFont::fromFont(q).familyName().toStdString(), row.family);
        EXPECT_EQ(QFontInfo(q).pixelSize(), 16);
        EXPECT_TRUE(QFontMetrics(q).inFont(QChar(u'見')));
    }
}

class RenderTest : public ::testing::Test {
protected:
    void SetUp() override {
        TestApp();
        form.Color = clSilver;
        form.Caption = Cp932_FromUtf8("見積");
        panel = form.Create<TPanel>("Panel");
        panel->SetBounds(100, 100, 400, 300);
        panel->Color = clWhite;
        panel->Bevel = false;

        title = form.Create<TLabel>("Label_Title", panel);
        title->SetBounds(10, 10, 200, 30);
        title->Caption = Cp932_FromUtf8("見積書　御中");
        title->Font.Name = Cp932_FromUtf8("ＭＳ ゴシック");
        title->Font.Height = -20;
        title->Font.Color = clNavy;

        amp = form.Create<TLabel>("Label_Amp", panel);
        amp->SetBounds(10, 50, 40, 20);
        amp->Caption = "&";
        amp->Font.Color = clMaroon;

        red = form.Create<TShape>("Shape_Red", panel);
        red->SetBounds(50, 100, 60, 40);
        red->Brush.Color = clRed;
        red->Pen.Color = clBlue;
        red->Pen.Width = 3;

        // Reaches beyond the panel: only the part inside it shows.
        overhang = form.Create<TShape>("Shape_Overhang", panel);
        overhang->SetBounds(350, 250, 100, 100);
        overhang->Brush.Color = clYellow;
        overhang->Pen.Width = 0;

        hidden = form.Create<TPanel>("Panel_Hidden");
        hidden->SetBounds(600, 100, 200, 200);
        auto* lime = form.Create<TShape>("Shape_Lime", hidden);
        lime->SetBounds(10, 10, 50, 50);
        lime->Brush.Color = clLime;
        hidden->Hide();
    }

    QRect Rect(const TControl* c) const { return QRect(c->ScreenLeft(), c->ScreenTop(), c->Width, c->Height); }

    TForm form;
    TPanel* panel = nullptr;
    TLabel* title = nullptr;
    TLabel* amp = nullptr;
    TShape* red = nullptr;
    TShape* overhang = nullptr;
    TPanel* hidden = nullptr;
};

TEST_F(RenderTest, DrawsTheTreeWithBgrColours) {
    const QImage image = Qt_RenderForm(form);
    ASSERT_EQ(image.size(), QSize(1024, 768));

    // The form and panel backgrounds.
    EXPECT_EQ(image.pixelColor(5, 5), QColor(192, 192, 192));
    EXPECT_EQ(image.pixelColor(105, 395), QColor(255, 255, 255));

    // The Japanese caption: navy (BGR 0x800000) glyph pixels, all inside its label.
    const QColor navy(0, 0, 128);
    EXPECT_GT(CountPixels(image, navy, Rect(title)), 40);
    EXPECT_EQ(CountPixels(image, navy, Rect(title), true), 0);

    // '&' is a character, not a mnemonic marker: something is drawn over the panel.
    EXPECT_LT(CountPixels(image, QColor(255, 255, 255), Rect(amp)), 40 * 20 - 10);

    // A 3-pixel blue pen inside the bounds, red brush within.
    const QRect s = Rect(red);
    EXPECT_EQ(image.pixelColor(s.left(), s.top()), QColor(0, 0, 255));
    EXPECT_EQ(image.pixelColor(s.right() - 2, s.bottom() - 2), QColor(0, 0, 255));
    EXPECT_EQ(image.pixelColor(s.left() + 3, s.top() + 3), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(s.center()), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(s.right() + 1, s.center().y()), QColor(255, 255, 255));
    EXPECT_EQ(CountPixels(image, QColor(255, 0, 0), s), (60 - 6) * (40 - 6));

    // Clipped to the parent; a hidden subtree draws nothing.
    const QColor yellow(255, 255, 0);
    EXPECT_EQ(CountPixels(image, yellow, Rect(panel)), 50 * 50);
    EXPECT_EQ(CountPixels(image, yellow, Rect(panel), true), 0);
    EXPECT_EQ(CountPixels(image, QColor(0, 255, 0), image.rect()), 0);
}

TEST_F(RenderTest, WindowPaintsWhatTheRendererDraws) {
    TQtWindow window(form);
    window.show();
    EXPECT_EQ(window.size(), QSize(1024, 768));
    EXPECT_EQ(window.windowTitle(), QString::fromUtf8("見積"));
    const QImage shown = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown, Qt_RenderForm(form));

    // A change from the system reaches the window's picture.
    hidden->Show();
    const QImage after = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(CountPixels(after, QColor(0, 255, 0), Rect(hidden)), 48 * 48);  // inside the black pen
}

}  // namespace
