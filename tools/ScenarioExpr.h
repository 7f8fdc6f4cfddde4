// The expressions of the scenario language: whole numbers and texts,
// evaluated against the names that repeat and let have bound.
//
//   EXPR   := COND
//   COND   := CMP [ "?" COND ":" COND ]          a number: 0 is false
//   CMP    := SUM [ ("==" | "!=" | "<" | "<=" | ">" | ">=") SUM ]    1 or 0
//   SUM    := TERM { ("+" | "-") TERM }
//   TERM   := UNARY { ("*" | "/" | "%") UNARY }  "/" and "%" as in C
//   UNARY  := "-" UNARY | NUMBER | NAME | "\"TEXT\"" | "(" EXPR ")"
//
// A text (UTF-8, no escapes) can only be the value of a whole expression or
// of a branch of "?"; arithmetic and comparisons take numbers (64 bits, an
// overflow is an error).
#pragma once

#include <map>
#include <string>

struct TScenarioValue {
    bool IsText = false;
    long long Number = 0;
    std::string Text;
};
using TScenarioNames = std::map<std::string, TScenarioValue>;

// A malformed expression, an unknown name, a text where a number is needed,
// a division by zero or an overflow.
struct TScenarioExprError {
    std::string Message;
};

// The value of the whole of text.
TScenarioValue ScenarioExpr_Eval(const std::string& text, const TScenarioNames& names);
// The value of a number-only expression (a repeat's bounds).
long long ScenarioExpr_Number(const std::string& text, const TScenarioNames& names);
// line with every {EXPR} replaced by its value: {EXPR:W} right-aligned in W
// bytes, {EXPR:-W} left-aligned, filled with blanks and never cut; W counts
// the bytes the text takes in the program (CP932).
std::string ScenarioExpr_Substitute(const std::string& line, const TScenarioNames& names);
