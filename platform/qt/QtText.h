// Conversions between the toolkit's values and Qt's: CP932 text, BGR colours
// and fonts mapped onto the installed Japanese fonts.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <string>

#include "platform/Types.h"

QString Qt_FromCp932(const std::string& cp932);
// Characters CP932 cannot hold are left out (refused is set when any was).
std::string Qt_ToCp932(const QString& text, bool* refused = nullptr);

// A BGR colour; clNone is transparent.
QColor Qt_Color(TColor color);

// The installed family for a face name of the form (CP932).
QString Qt_FontFamily(const std::string& cp932Face);
QFont Qt_Font(const TFont& font);
