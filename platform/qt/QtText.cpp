#include "platform/qt/QtText.h"

#include <algorithm>

#include "platform/Cp932.h"

QString Qt_FromCp932(const std::string& cp932) { return QString::fromStdString(Cp932_ToUtf8(cp932)); }

std::string Qt_ToCp932(const QString& text, bool* refused) { return Cp932_FromUtf8(text.toStdString(), refused); }

QColor Qt_Color(TColor color) {
    if (color == clNone) return QColor(Qt::transparent);
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

namespace {

// Face names as the forms write them, compared without blanks and with
// full-width Latin letters folded ("ＭＳ Ｐゴシック" == "MSPゴシック").
struct TFaceRow {
    const char* face;
    const char* family;
};
const TFaceRow kFaces[] = {
    {"MSゴシック", "IPAGothic"},    {"MSPゴシック", "IPAPGothic"},
    {"MS明朝", "IPAMincho"},        {"MSP明朝", "IPAPMincho"},
    {"MSGothic", "IPAGothic"},      {"MSPGothic", "IPAPGothic"},
    {"MSMincho", "IPAMincho"},      {"MSPMincho", "IPAPMincho"},
};
const char* const kDefaultFamily = "IPAPGothic";

QString FoldFace(const QString& face) {
    QString out;
    for (QChar c : face) {
        const char16_t u = c.unicode();
        if (u == u' ' || u == u'\u3000') continue;
        out += (u >= 0xFF01 && u <= 0xFF5E) ? QChar(char16_t(u - 0xFEE0)) : c;
    }
    return out;
}

}  // namespace

QString Qt_FontFamily(const std::string& cp932Face) {
    const QString folded = FoldFace(Qt_FromCp932(cp932Face));
    for (const auto& row : kFaces)
        if (folded.compare(QString::fromUtf8(row.face), Qt::CaseInsensitive) == 0)
            return QString::fromLatin1(row.family);
    return QString::fromLatin1(kDefaultFamily);
}

QFont Qt_Font(const TFont& font) {
    QFont f(Qt_FontFamily(font.Name));
    f.setPixelSize(std::max(1, font.PixelSize()));
    f.setBold(font.Bold);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}
