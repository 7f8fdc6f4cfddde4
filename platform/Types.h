// Basic value types of the toolkit: colours, fonts, key codes, shift state.
#pragma once

#include <cstdint>
#include <string>

// Colours are BGR integers: red is 0x0000FF, blue 0xFF0000.
using TColor = std::int32_t;

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;
// The face colour of windows and panels.
constexpr TColor clBtnFace = 0xF0F0F0;
// "No colour": a label or shape drawn without filling its background.
constexpr TColor clNone = -1;

// A font: face name (CP932 bytes), height in pixels (negative as on the form
// description: -12 is a 12-pixel character), colour and style.
struct TFont {
    std::string Name;  // CP932, e.g. "ＭＳ Ｐゴシック"
    int Height = -12;
    TColor Color = clBlack;
    bool Bold = false;

    int PixelSize() const { return Height < 0 ? -Height : Height; }
};

struct TPen {
    TColor Color = clBlack;
    int Width = 1;
};

struct TBrush {
    TColor Color = clWhite;
};

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

// Key codes as the key-down handlers compare them.
using Word = unsigned short;
namespace vk {
constexpr Word Back = 8;
constexpr Word Tab = 9;
constexpr Word Return = 13;
constexpr Word Escape = 27;
constexpr Word Space = 32;
constexpr Word PageUp = 33;
constexpr Word PageDown = 34;
constexpr Word End = 35;
constexpr Word Home = 36;
constexpr Word Left = 37;
constexpr Word Up = 38;
constexpr Word Right = 39;
constexpr Word Down = 40;
constexpr Word Delete = 46;
constexpr Word F1 = 112;
constexpr Word F2 = 113;
constexpr Word F3 = 114;
constexpr Word F4 = 115;
constexpr Word F5 = 116;
constexpr Word F6 = 117;
constexpr Word F7 = 118;
constexpr Word F8 = 119;
constexpr Word F9 = 120;
constexpr Word F10 = 121;
constexpr Word F11 = 122;
constexpr Word F12 = 123;
}  // namespace vk

// Shift state of a key or mouse event.
struct TShiftState {
    bool Shift = false;
    bool Ctrl = false;
    bool Alt = false;
};

enum class TMouseButton { mbLeft, mbRight, mbMiddle };

// Input-method mode of an edit: whether Japanese conversion is switched on
// when the edit takes the focus.
enum class TImeMode { imDontCare, imDisable, imClose, imOpen, imHira };
