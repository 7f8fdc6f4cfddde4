#include "tools/ScenarioBlocks.h"

#include <algorithm>
#include <cctype>
#include <sstream>

#include "tools/ScenarioExpr.h"

namespace {

constexpr long long MaxRounds = 100000;  // of one repeat
constexpr size_t MaxLines = 1000000;     // of the whole unrolled script

struct TRaw {
    int Number;
    std::string Text;
    std::string Word;  // the first word
    size_t Else = 0;   // of an if: the index of its else (0: none)
    size_t End = 0;    // of a repeat or if: the index of its end
};

// The lines unrolled so far grew past MaxLines.
struct TTooLong {};

bool IsName(const std::string& w) {
    if (w.empty() || !(std::isalpha(static_cast<unsigned char>(w[0])) || w[0] == '_')) return false;
    for (char c : w)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_') return false;
    return true;
}

std::string Trim(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string After(const std::string& text, const std::string& word) { return Trim(text.substr(word.size())); }

class TUnroller {
public:
    TUnroller(const std::vector<TRaw>& raw, std::vector<TScenarioLine>& out) : raw_(raw), out_(out) {}

    // Lines from ... to - 1, with names bound so far (a let binds in names).
    void Walk(size_t from, size_t to, TScenarioNames& names) {
        for (size_t i = from; i < to; ++i) {
            const TRaw& r = raw_[i];
            try {
                if (r.Word == "repeat") {
                    Repeat(i, names);
                    i = r.End;
                } else if (r.Word == "if") {
                    const bool yes = ScenarioExpr_Number(After(r.Text, "if"), names) != 0;
                    const size_t elseAt = r.Else ? r.Else : r.End;
                    if (yes) Walk(i + 1, elseAt, names);
                    else if (r.Else) Walk(r.Else + 1, r.End, names);
                    i = r.End;
                } else if (r.Word == "let") {
                    Let(r.Text, names);
                } else {
                    Add(r, ScenarioExpr_Substitute(r.Text, names), "");
                }
            } catch (const TScenarioExprError& e) {
                Add(r, r.Text, e.Message);
                if (r.End) i = r.End;  // the block is left out
            }
        }
    }

private:
    // repeat NAME from A to B
    void Repeat(size_t i, TScenarioNames& names) {
        const TRaw& r = raw_[i];
        std::istringstream words(r.Text);
        std::string repeat, name, from;
        words >> repeat >> name >> from;
        const std::string rest = r.Text.substr(std::min(r.Text.size(), static_cast<size_t>(words.tellg())));
        const size_t to = (" " + rest + " ").find(" to ");
        if (!IsName(name) || from != "from" || to == std::string::npos)
            throw TScenarioExprError{"usage: repeat NAME from A to B"};
        if (names.count(name)) throw TScenarioExprError{name + " is already in use"};
        const long long a = ScenarioExpr_Number(Trim(rest.substr(0, to)), names);
        const long long b = ScenarioExpr_Number(Trim(rest.substr(std::min(rest.size(), to + 2))), names);
        if (b < a) throw TScenarioExprError{"bad bounds: " + std::to_string(b) + " is below " + std::to_string(a)};
        if (b - a >= MaxRounds) throw TScenarioExprError{"bad bounds: more than " + std::to_string(MaxRounds) + " rounds"};
        for (long long v = a; v <= b; ++v) {
            // What the body binds lasts one round.
            TScenarioNames round = names;
            round[name] = {false, v, {}};
            Walk(i + 1, r.End, round);
        }
    }
    // let NAME = EXPR
    static void Let(const std::string& text, TScenarioNames& names) {
        const std::string rest = After(text, "let");
        const size_t eq = rest.find('=');
        std::string name = rest.substr(0, eq == std::string::npos ? 0 : eq);
        while (!name.empty() && (name.back() == ' ' || name.back() == '\t')) name.pop_back();
        if (eq == std::string::npos || !IsName(name) || rest.compare(eq, 2, "==") == 0)
            throw TScenarioExprError{"usage: let NAME = EXPR"};
        names[name] = ScenarioExpr_Eval(rest.substr(eq + 1), names);
    }
    void Add(const TRaw& r, const std::string& text, const std::string& error) {
        if (out_.size() >= MaxLines) throw TTooLong{};
        out_.push_back({r.Number, text, error});
    }

    const std::vector<TRaw>& raw_;
    std::vector<TScenarioLine>& out_;
};

// The command lines of the script with their numbers.
std::vector<TRaw> ReadLines(const std::string& script) {
    std::vector<TRaw> raw;
    std::istringstream lines(script);
    std::string line;
    for (int number = 1; std::getline(lines, line); ++number) {
        if (number == 1 && line.rfind("\xEF\xBB\xBF", 0) == 0) line.erase(0, 3);
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t')) line.pop_back();
        const size_t first = line.find_first_not_of(" \t");
        if (first == std::string::npos || line[first] == '#') continue;
        line.erase(0, first);
        raw.push_back({number, line, line.substr(0, line.find_first_of(" \t"))});
    }
    return raw;
}

// Matches every repeat and if with its else and end; the lines that do not
// match, each with its error.
std::vector<TScenarioLine> MatchBlocks(std::vector<TRaw>& raw) {
    std::vector<TScenarioLine> errors;
    std::vector<size_t> open;
    auto error = [&](const TRaw& r, const std::string& what) { errors.push_back({r.Number, r.Text, what}); };
    for (size_t i = 0; i < raw.size(); ++i) {
        const std::string& w = raw[i].Word;
        if (w == "repeat" || w == "if") {
            open.push_back(i);
        } else if ((w == "else" || w == "end") && raw[i].Text != w) {
            error(raw[i], w + " takes nothing after it");
        } else if (w == "else") {
            if (open.empty() || raw[open.back()].Word != "if") error(raw[i], "else without its if");
            else if (raw[open.back()].Else) error(raw[i], "a second else for one if");
            else raw[open.back()].Else = i;
        } else if (w == "end") {
            if (open.empty()) {
                error(raw[i], "end without its repeat or if");
                continue;
            }
            raw[open.back()].End = i;
            open.pop_back();
        }
    }
    for (size_t i : open) error(raw[i], raw[i].Word + " without its end");
    return errors;
}

}  // namespace

std::vector<TScenarioLine> Scenario_Unroll(const std::string& script) {
    std::vector<TRaw> raw = ReadLines(script);
    std::vector<TScenarioLine> errors = MatchBlocks(raw);
    if (!errors.empty()) {
        std::stable_sort(errors.begin(), errors.end(),
                         [](const TScenarioLine& a, const TScenarioLine& b) { return a.Number < b.Number; });
        return errors;
    }
    std::vector<TScenarioLine> out;
    TScenarioNames names;
    TUnroller unroller(raw, out);
    try {
        unroller.Walk(0, raw.size(), names);
    } catch (const TTooLong&) {
        out.push_back({out.back().Number, out.back().Text,
                       "the script unrolls into more than " + std::to_string(MaxLines) + " lines: nothing runs"});
        out.erase(out.begin(), out.end() - 1);
    }
    return out;
}
