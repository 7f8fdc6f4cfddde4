// Fixed-width text fields: a field of width w is w bytes of CP932 text filled
// out with blanks (0x20), held in a buffer of w + 1 bytes ending in a NUL.
#pragma once

#include <string>

// buffer := n blanks and a NUL (n + 1 bytes).
void Str_Spaces(char* buffer, int n);
// destination := source filled out with blanks to width bytes and a NUL;
// right != 0 right-aligns (trailing blanks of the source dropped). Never
// writes beyond destination[width]; a longer source is cut to width bytes.
void Str_Pad(const char* source, char* destination, int width, int right);
// destination := source without leading and trailing blanks and line feeds.
// source is rewritten with its left-trimmed text (callers pass buffers they
// own, never a stored field string). Never writes beyond destination[width].
void Str_Trim(char* source, char* destination, int width);
// The integer value of a decimal text as the C library's atoi reads it
// (leading white space, a sign, digits up to the first other byte), looking
// at no more than n bytes when n >= 0; 0 when there is no number. Values
// beyond the int range are clamped.
int Str_ToInt(const char* text, int n = -1);

// How typed text is laid into a field.
enum class TCommitForm {
    None,       // nothing: a label, a key catcher
    Left,       // the text left-aligned
    Right,      // the text right-aligned, as it is (a number or not)
    RightReal,  // right-aligned when its value as a real number is not 0, else blanks
    RightInt,   // right-aligned when its value as an integer is not 0, else blanks
};
// The text as it is stored in a field of width bytes by the form: exactly
// width bytes (blanks for None).
std::string Str_CommitText(const std::string& text, int width, TCommitForm form);
