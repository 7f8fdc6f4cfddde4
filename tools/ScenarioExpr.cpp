#include "tools/ScenarioExpr.h"

#include <cctype>
#include <climits>

#include "platform/Cp932.h"

namespace {

[[noreturn]] void Fail(const std::string& message) { throw TScenarioExprError{message}; }

// A recursive-descent reader over one expression of a text, from pos on.
// The branch of "?" not taken is only read: its arithmetic is not done, so
// "L == 0 ? 0 : 10 / L" holds for L = 0.
class TParser {
public:
    TParser(const std::string& s, size_t pos, const TScenarioNames& names) : s_(s), pos_(pos), names_(names) {}

    TScenarioValue Cond() {
        TScenarioValue c = Compare();
        if (!Take("?")) return c;
        const bool chosen = Num(c, "?") != 0;
        const bool live = live_;
        live_ = live && chosen;
        TScenarioValue yes = Cond();
        if (!Take(":")) Fail("\"?\" without its \":\"");
        live_ = live && !chosen;
        TScenarioValue no = Cond();
        live_ = live;
        return chosen ? yes : no;
    }
    size_t Pos() {
        SkipBlanks();
        return pos_;
    }

private:
    TScenarioValue Compare() {
        TScenarioValue a = Sum();
        for (const char* op : {"==", "!=", "<=", ">=", "<", ">"}) {
            if (!Take(op)) continue;
            const long long x = Num(a, op);
            const long long y = Num(Sum(), op);
            const std::string o = op;
            const bool r = o == "==" ? x == y : o == "!=" ? x != y : o == "<=" ? x <= y : o == ">=" ? x >= y
                         : o == "<"  ? x < y : x > y;
            return Number(r ? 1 : 0);
        }
        return a;
    }
    TScenarioValue Sum() {
        TScenarioValue a = Term();
        for (;;) {
            const char op = Take("+") ? '+' : Take("-") ? '-' : '\0';
            if (!op) return a;
            const long long x = Num(a, op == '+' ? "+" : "-");
            a = Number(Apply(op, x, Num(Term(), op == '+' ? "+" : "-")));
        }
    }
    TScenarioValue Term() {
        TScenarioValue a = Unary();
        for (;;) {
            const char op = Take("*") ? '*' : Take("/") ? '/' : Take("%") ? '%' : '\0';
            if (!op) return a;
            const char name[] = {op, '\0'};
            const long long x = Num(a, name);
            a = Number(Apply(op, x, Num(Unary(), name)));
        }
    }
    TScenarioValue Unary() {
        if (Take("-")) return Number(Apply('-', 0, Num(Unary(), "-")));
        SkipBlanks();
        if (pos_ >= s_.size()) Fail("an expression ends early");
        const char c = s_[pos_];
        if (c == '(') {
            ++pos_;
            TScenarioValue v = Cond();
            if (!Take(")")) Fail("\"(\" without its \")\"");
            return v;
        }
        if (c == '"') {
            const size_t end = s_.find('"', pos_ + 1);
            if (end == std::string::npos) Fail("unterminated text");
            TScenarioValue v{true, 0, s_.substr(pos_ + 1, end - pos_ - 1)};
            pos_ = end + 1;
            return v;
        }
        if (std::isdigit(static_cast<unsigned char>(c))) {
            long long n = 0;
            for (; pos_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[pos_])); ++pos_)
                if (__builtin_mul_overflow(n, 10, &n) || __builtin_add_overflow(n, s_[pos_] - '0', &n))
                    Fail("number too large");
            return Number(n);
        }
        if (std::isalpha(static_cast<unsigned char>(c)) || c == '_') {
            const size_t start = pos_;
            while (pos_ < s_.size() && (std::isalnum(static_cast<unsigned char>(s_[pos_])) || s_[pos_] == '_')) ++pos_;
            const std::string name = s_.substr(start, pos_ - start);
            const auto found = names_.find(name);
            if (found == names_.end()) Fail("unknown name " + name);
            return found->second;
        }
        Fail(std::string("unexpected \"") + c + "\"");
    }

    // x op y (64 bits; "/" and "%" as in C).
    long long Apply(char op, long long x, long long y) const {
        if (!live_) return 0;
        long long r = 0;
        bool over = false;
        switch (op) {
            case '+': over = __builtin_add_overflow(x, y, &r); break;
            case '-': over = __builtin_sub_overflow(x, y, &r); break;
            case '*': over = __builtin_mul_overflow(x, y, &r); break;
            default:
                if (y == 0) Fail("division by zero");
                over = x == LLONG_MIN && y == -1;
                if (!over) r = op == '/' ? x / y : x % y;
        }
        if (over) Fail("number too large");
        return r;
    }
    static TScenarioValue Number(long long n) { return {false, n, {}}; }
    long long Num(const TScenarioValue& v, const char* op) const {
        if (v.IsText && live_) Fail(std::string("a text where ") + op + " needs a number");
        return v.Number;
    }
    void SkipBlanks() {
        while (pos_ < s_.size() && (s_[pos_] == ' ' || s_[pos_] == '\t')) ++pos_;
    }
    // Takes the operator op when it comes next ("<" not out of "<=").
    bool Take(const std::string& op) {
        SkipBlanks();
        if (s_.compare(pos_, op.size(), op) != 0) return false;
        const char after = pos_ + op.size() < s_.size() ? s_[pos_ + op.size()] : '\0';
        if ((op == "<" || op == ">") && after == '=') return false;
        pos_ += op.size();
        return true;
    }

    const std::string& s_;
    size_t pos_;
    const TScenarioNames& names_;
    bool live_ = true;  // false while reading the branch of "?" not taken
};

std::string Show(const TScenarioValue& v) { return v.IsText ? v.Text : std::to_string(v.Number); }

}  // namespace

TScenarioValue ScenarioExpr_Eval(const std::string& text, const TScenarioNames& names) {
    TParser p(text, 0, names);
    TScenarioValue v = p.Cond();
    if (p.Pos() != text.size()) Fail("unexpected \"" + text.substr(p.Pos()) + "\"");
    return v;
}

long long ScenarioExpr_Number(const std::string& text, const TScenarioNames& names) {
    const TScenarioValue v = ScenarioExpr_Eval(text, names);
    if (v.IsText) Fail("a text where a number is needed: " + text);
    return v.Number;
}

std::string ScenarioExpr_Substitute(const std::string& line, const TScenarioNames& names) {
    std::string out;
    for (size_t i = 0; i < line.size();) {
        if (line[i] == '}') Fail("\"}\" without its \"{\"");
        if (line[i] != '{') {
            out += line[i++];
            continue;
        }
        TParser p(line, i + 1, names);
        const std::string value = Show(p.Cond());
        size_t at = p.Pos();
        long long width = 0;
        bool left = false;
        if (at < line.size() && line[at] == ':') {
            left = ++at < line.size() && line[at] == '-';
            if (left) ++at;
            const size_t digits = at;
            while (at < line.size() && std::isdigit(static_cast<unsigned char>(line[at])) && at - digits < 4) ++at;
            if (at == digits) Fail("a width after \":\" must be a number");
            width = std::stoll(line.substr(digits, at - digits));
        }
        if (at >= line.size() || line[at] != '}') Fail("\"{\" without its \"}\"");
        bool refused = false;
        const long long bytes = static_cast<long long>(Cp932_FromUtf8(value, &refused).size());
        if (refused) Fail("a value CP932 cannot hold: " + value);
        const std::string fill(static_cast<size_t>(width > bytes ? width - bytes : 0), ' ');
        out += left ? value + fill : fill + value;
        i = at + 1;
    }
    return out;
}
