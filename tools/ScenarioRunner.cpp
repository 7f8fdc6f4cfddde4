// The scenario runner's parser and executor. Every command is one row of
// Commands below: its words, its usage, what it needs of the program and its
// handler. A new command is a new row and a handler.
#include "tools/ScenarioRunner.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>

#include "platform/Controls.h"
#include "platform/Cp932.h"
#include "platform/File.h"
#include "platform/FileFault.h"
#include "tools/Headless.h"
#include "tools/ScenarioBlocks.h"

namespace {

// A line that cannot run as written; reported as a failure, with the
// command's usage when the words themselves are wrong.
struct TScriptError {
    std::string Message;
    bool ShowUsage;
};

[[noreturn]] void Error(const std::string& message) { throw TScriptError{message, true}; }
// The words are right but name something the program does not have.
[[noreturn]] void Wrong(const std::string& message) { throw TScriptError{message, false}; }

// ------------------------------------------------------------ showing values

// Bytes (CP932) as the script would write them: a quoted UTF-8 text with
// \n, \" and \\, and \xHH for bytes that are no text.
std::string Show(const std::string& cp932) {
    std::string s = "\"";
    char hex[8];
    for (size_t i = 0; i < cp932.size();) {
        const unsigned char c = static_cast<unsigned char>(cp932[i]);
        if (c == '"' || c == '\\') {
            s += '\\';
            s += static_cast<char>(c);
            ++i;
        } else if (c == '\n') {
            s += "\\n";
            ++i;
        } else if (c >= 0x20 && c < 0x7F) {
            s += static_cast<char>(c);
            ++i;
        } else {
            const size_t n = Cp932_IsLead(c) && i + 1 < cp932.size() ? 2 : 1;
            const std::string utf8 = c < 0x80 ? std::string() : Cp932_ToUtf8(cp932.substr(i, n));
            if (!utf8.empty() && utf8.find("\xEF\xBF\xBD") == std::string::npos) {
                s += utf8;
            } else {
                for (size_t k = 0; k < n; ++k) {
                    std::snprintf(hex, sizeof hex, "\\x%02X", static_cast<unsigned char>(cp932[i + k]));
                    s += hex;
                }
            }
            i += n;
        }
    }
    return s + "\"";
}

std::string ShowHex(const std::string& bytes) {
    std::string s = "hex";
    char hex[4];
    for (unsigned char c : bytes) {
        std::snprintf(hex, sizeof hex, " %02X", c);
        s += hex;
    }
    return s;
}

std::string ShowNumber(long long n) {
    if (n < 10) return std::to_string(n);
    char hex[24];
    std::snprintf(hex, sizeof hex, " (0x%llX)", n);
    return std::to_string(n) + hex;
}

const char* YesNo(bool b) { return b ? "yes" : "no"; }

// "got X", with the first differing byte when both are texts of some length.
std::string GotText(const std::string& want, const std::string& got, bool asHex = false) {
    std::string s = "got " + (asHex ? ShowHex(got) : Show(got));
    size_t i = 0;
    while (i < want.size() && i < got.size() && want[i] == got[i]) ++i;
    if (want.size() > 8 || got.size() > 8)
        s += " (first difference at byte " + std::to_string(i) + "; " + std::to_string(got.size()) +
             " bytes, expected " + std::to_string(want.size()) + ")";
    return s;
}

// -------------------------------------------------------------- arguments

// The rest of a command line, taken word by word by the handlers.
class TArgs {
public:
    TArgs(const std::string& line, size_t pos) : s_(line), pos_(pos) {}

    bool AtEnd() {
        SkipBlanks();
        return pos_ >= s_.size();
    }
    bool NextIsQuoted() { return !AtEnd() && s_[pos_] == '"'; }
    // The next blank-delimited word as it stands (quotes and all), or "".
    std::string Peek() {
        const size_t keep = pos_;
        std::string w = Bare();
        pos_ = keep;
        return w;
    }
    std::string Bare() {
        SkipBlanks();
        const size_t start = pos_;
        while (pos_ < s_.size() && s_[pos_] != ' ' && s_[pos_] != '\t') ++pos_;
        return s_.substr(start, pos_ - start);
    }

    // A blank-delimited word, or a quoted text.
    std::string Word(const char* what) {
        if (AtEnd()) Error(std::string("missing ") + what);
        if (s_[pos_] == '"') return Quoted(what);
        return Bare();
    }
    void Keyword(const char* word) {
        if (Word(word) != word) Error(std::string("expected ") + word);
    }

    // A text in double quotes, UTF-8 as written, escapes resolved.
    std::string Quoted(const char* what) {
        if (AtEnd()) Error(std::string("missing ") + what);
        if (s_[pos_] != '"') Error(std::string(what) + " must be in double quotes");
        std::string text;
        for (++pos_; pos_ < s_.size(); ++pos_) {
            const char c = s_[pos_];
            if (c == '"') {
                ++pos_;
                return text;
            }
            if (c != '\\') {
                text += c;
                continue;
            }
            if (++pos_ >= s_.size()) break;
            switch (s_[pos_]) {
                case 'n': text += '\n'; break;
                case '"': text += '"'; break;
                case '\\': text += '\\'; break;
                default: Error(std::string("unknown escape \\") + s_[pos_] + " in " + what);
            }
        }
        Error(std::string("unterminated text in ") + what);
    }

    // The rest of the line without its trailing blanks.
    std::string Rest() {
        SkipBlanks();
        std::string r = s_.substr(pos_);
        pos_ = s_.size();
        while (!r.empty() && (r.back() == ' ' || r.back() == '\t')) r.pop_back();
        return r;
    }

    long long Number(const char* what) {
        const std::string w = Word(what);
        errno = 0;
        char* end = nullptr;
        const long long n = std::strtoll(w.c_str(), &end, 0);
        if (w.empty() || *end || errno) Error(std::string(what) + " is not a number: " + w);
        return n;
    }
    int Count() {
        if (AtEnd()) return 1;
        const long long n = Number("COUNT");
        if (n < 1 || n > 100000) Error("COUNT must be 1 or more");
        return static_cast<int>(n);
    }
    bool YesNo(const char* what) {
        const std::string w = Word(what);
        if (w == "yes") return true;
        if (w == "no") return false;
        Error(std::string(what) + " must be yes or no");
    }
    // Hex bytes to the end of the line, blanks between them optional.
    std::string HexBytes() {
        std::string digits;
        for (char c : Rest())
            if (c != ' ' && c != '\t') digits += c;
        if (digits.empty() || digits.size() % 2) Error("HEX needs whole bytes (two digits each)");
        std::string bytes;
        for (size_t i = 0; i < digits.size(); i += 2) {
            const std::string pair = digits.substr(i, 2);
            // (strtol alone would take "-1" or "+f" as well.)
            if (!std::isxdigit(static_cast<unsigned char>(pair[0])) ||
                !std::isxdigit(static_cast<unsigned char>(pair[1])))
                Error("not a hex byte: " + pair);
            const long v = std::strtol(pair.c_str(), nullptr, 16);
            bytes += static_cast<char>(v);
        }
        return bytes;
    }
    void End() {
        if (!AtEnd()) Error("unexpected \"" + Rest() + "\"");
    }

private:
    void SkipBlanks() {
        while (pos_ < s_.size() && (s_[pos_] == ' ' || s_[pos_] == '\t')) ++pos_;
    }
    const std::string& s_;
    size_t pos_;
};

// Script text (UTF-8) as the program's CP932.
std::string ToCp932(const std::string& utf8, const char* what) {
    bool refused = false;
    std::string cp932 = Cp932_FromUtf8(utf8, &refused);
    if (refused) Error(std::string(what) + " holds a character CP932 cannot hold");
    return cp932;
}

// ----------------------------------------------------------------- runner

struct TRun {
    THeadlessSession& Session;
    std::string SourceDir;
    size_t MessagesSeen = 0;  // message boxes already matched by expect message

    TControl* Control(const std::string& name) {
        TControl* c = Session.Control(name);
        if (!c) Wrong("no control named " + name);
        return c;
    }
    std::string Path(const std::string& utf8) { return ToCp932(utf8, "PATH"); }
    // A path that expect file and expect nofile look at: an absolute one is
    // the disk's own name, UTF-8 as the script writes it; any other is a
    // path of the program folder.
    std::string LookAt(const std::string& utf8) {
        return !utf8.empty() && utf8[0] == '/' ? Platform_AsIs(utf8) : Path(utf8);
    }
};

// What a command needs of the program before it can run.
enum class TNeeds {
    Nothing,
    BeforeStart,  // setting up the program folder
    Window,       // started (the window can still be looked at after an exit)
    Input,        // started and still running
};

// nullopt: done (or the expectation held); otherwise what was found instead.
using TResult = std::optional<std::string>;
using THandler = TResult (*)(TRun&, TArgs&);

struct TCommand {
    const char* Name;   // "start", or "expect WORD"
    const char* Usage;  // shown when the line cannot be read
    TNeeds Needs;
    bool Expectation;   // counted in the summary
    THandler Run;
};

// ------------------------------------------------------------ set-up

TResult Today(TRun& run, TArgs& args) {
    const std::string date = args.Word("YYYY-MM-DD"), time = args.Word("HH:MM:SS");
    TDateTime t;
    char tail;
    if (std::sscanf(date.c_str(), "%4d-%2d-%2d%c", &t.Year, &t.Month, &t.Day, &tail) != 3 || t.Month < 1 ||
        t.Month > 12 || t.Day < 1 || t.Day > 31)
        Error("not a date: " + date);
    if (std::sscanf(time.c_str(), "%2d:%2d:%2d%c", &t.Hour, &t.Minute, &t.Second, &tail) != 3 || t.Hour > 23 ||
        t.Minute > 59 || t.Second > 59 || t.Hour < 0 || t.Minute < 0 || t.Second < 0)
        Error("not a time: " + time);
    run.Session.SetToday(t);
    return {};
}

TResult File(TRun& run, TArgs& args) {
    const std::string path = run.Path(args.Word("PATH"));
    const std::string form = args.Word("hex, text or copy");
    std::string bytes;
    if (form == "hex") {
        bytes = args.HexBytes();
    } else if (form == "text") {
        bytes = ToCp932(args.Quoted("TEXT"), "TEXT");
    } else if (form == "copy") {
        std::string source = args.Word("SOURCE");
        for (char& c : source)
            if (c == '\\') c = '/';
        if (source.empty() || source[0] != '/') source = run.SourceDir + source;
        args.End();
        // Block by block: a source may be far larger than memory allows.
        std::ifstream in(source, std::ios::binary);
        if (!in) Wrong("cannot read " + source);
        if (!run.Session.CopyFile(path, in)) Wrong("cannot write the file");
        return {};
    } else {
        Error("expected hex, text or copy");
    }
    args.End();
    if (!run.Session.WriteFile(path, bytes)) Wrong("cannot write the file");
    return {};
}

TResult NoData(TRun& run, TArgs&) {
    run.Session.RemoveDataFolder();
    return {};
}

// A disk that fills up: every write to the program folder's files comes up
// short once N more bytes have been written, and fails after that.
TResult DiskFull(TRun&, TArgs& args) {
    args.Keyword("after");
    const long long n = args.Number("N");
    if (n < 0) Error("N must not be negative");
    args.End();
    FileFault_DiskFull(n);
    return {};
}

// One planned failure of a file read, counted from now.
TResult ReadFail(TRun&, TArgs& args) {
    long long nth = 1;
    if (!args.AtEnd()) nth = args.Number("NTH");
    if (nth < 1 || nth > 1000000) Error("NTH counts from 1");
    args.End();
    FileFault_Plan(TFileOp::Read, static_cast<int>(nth));
    return {};
}

TResult DiskOk(TRun&, TArgs& args) {
    args.End();
    FileFault_Reset();
    return {};
}

// A removable volume's name: one folder's name, media/NAME in the program
// folder.
std::string VolumeName(TArgs& args) {
    const std::string name = args.Word("NAME");
    args.End();
    if (name.empty() || name == "." || name == ".." || name.find('/') != std::string::npos)
        Error("NAME is one folder's name");
    return name;
}

TResult Mount(TRun& run, TArgs& args) {
    run.Session.Mount(VolumeName(args));
    return {};
}

TResult Unmount(TRun& run, TArgs& args) {
    const std::string name = VolumeName(args);
    if (!run.Session.Unmount(name)) Wrong(name + " is not mounted");
    return {};
}

// The recording printer's physical offsets, in dots.
TResult PrinterOffsets(TRun& run, TArgs& args) {
    const long long x = args.Number("X"), y = args.Number("Y");
    args.End();
    if (x < 0 || y < 0 || x > 1000 || y > 1000) Error("offsets run from 0 to 1000 dots");
    run.Session.RecordingPrinter().SetOffsets(static_cast<int>(x), static_cast<int>(y));
    return {};
}

TResult PrinterFail(TRun& run, TArgs& args) {
    args.End();
    run.Session.RecordingPrinter().FailNextJob();
    return {};
}

TResult Start(TRun& run, TArgs&) {
    run.Session.Start();
    return {};
}

// ------------------------------------------------------------ input

struct TKeyName {
    const char* Name;
    Word Key;
};
constexpr TKeyName Keys[] = {
    {"Return", vk::Return}, {"Escape", vk::Escape},     {"Tab", vk::Tab},     {"Up", vk::Up},
    {"Down", vk::Down},     {"Left", vk::Left},         {"Right", vk::Right}, {"Home", vk::Home},
    {"End", vk::End},       {"PageUp", vk::PageUp},     {"PageDown", vk::PageDown},
    {"Space", vk::Space},   {"Backspace", vk::Back},    {"Delete", vk::Delete},
    {"F1", vk::F1},         {"F2", vk::F2},             {"F3", vk::F3},       {"F4", vk::F4},
    {"F5", vk::F5},         {"F6", vk::F6},             {"F7", vk::F7},       {"F8", vk::F8},
    {"F9", vk::F9},
};

TResult Key(TRun& run, TArgs& args) {
    std::string name = args.Word("KEY");
    TShiftState shift;
    if (name.rfind("Shift+", 0) == 0) {
        shift.Shift = true;
        name.erase(0, 6);
    }
    const TKeyName* key = nullptr;
    for (const auto& k : Keys)
        if (name == k.Name) key = &k;
    if (!key) Error("unknown key " + name);
    const int count = args.Count();
    args.End();
    run.Session.Key(key->Key, shift, count);
    return {};
}

TResult Type(TRun& run, TArgs& args) {
    const std::string text = args.NextIsQuoted() ? args.Quoted("TEXT") : args.Rest();
    if (text.empty()) Error("missing TEXT");
    args.End();
    run.Session.Type(ToCp932(text, "TEXT"));
    return {};
}

// click, press and release share the look-up of the control.
template <bool (THeadlessSession::*Action)(const std::string&)>
TResult Mouse(TRun& run, TArgs& args) {
    const std::string name = args.Word("NAME");
    args.End();
    run.Control(name);
    (run.Session.*Action)(name);
    return {};
}

TResult Wheel(TRun& run, TArgs& args) {
    const std::string way = args.Word("up or down");
    if (way != "up" && way != "down") Error("the wheel turns up or down");
    const int count = args.Count();
    args.End();
    run.Session.Wheel(way == "up" ? count : -count);
    return {};
}

// ------------------------------------------------------------ expectations

TResult ExpectFocus(TRun& run, TArgs& args) {
    const std::string want = args.Word("NAME");
    args.End();
    if (want != "none") run.Control(want);
    const std::string got = run.Session.FocusedName();
    if (got == (want == "none" ? std::string() : want)) return {};
    return "got " + (got.empty() ? std::string("none") : got);
}

TResult ExpectText(TRun& run, TArgs& args) {
    const std::string name = args.Word("NAME");
    const std::string want = ToCp932(args.Quoted("TEXT"), "TEXT");
    args.End();
    run.Control(name);
    const auto got = run.Session.TextOf(name);
    if (!got) Wrong(name + " has no text");
    if (*got == want) return {};
    return GotText(want, *got);
}

// What the control shows when the expectation failed, naming the parent
// that hides or disables it when its own flag is on.
std::string GotState(TControl* c, bool (TControl::*flag)() const, const char* what) {
    if (!(c->*flag)()) return "got no";
    for (TControl* p = c->Parent(); p; p = p->Parent())
        if (!(p->*flag)()) return "got no (its parent " + p->Name() + " is not " + what + ")";
    return "got yes";
}

TResult ExpectVisible(TRun& run, TArgs& args) {
    const std::string name = args.Word("NAME");
    const bool want = args.YesNo("yes or no");
    args.End();
    TControl* c = run.Control(name);
    if (c->Showing() == want) return {};
    return GotState(c, &TControl::Visible, "visible");
}

TResult ExpectEnabled(TRun& run, TArgs& args) {
    const std::string name = args.Word("NAME");
    const bool want = args.YesNo("yes or no");
    args.End();
    TControl* c = run.Control(name);
    if (c->EffectivelyEnabled() == want) return {};
    return GotState(c, &TControl::Enabled, "enabled");
}

TResult ExpectColor(TRun& run, TArgs& args) {
    const std::string name = args.Word("NAME");
    const long long want = args.Number("N");
    args.End();
    TControl* c = run.Control(name);
    const auto* shape = dynamic_cast<TShape*>(c);
    const TColor got = shape ? shape->Brush.Color : c->Color;
    if (got == want) return {};
    return "got " + ShowNumber(got);
}

TResult ExpectFontColor(TRun& run, TArgs& args) {
    const std::string name = args.Word("NAME");
    const long long want = args.Number("N");
    args.End();
    const TColor got = run.Control(name)->Font.Color;
    if (got == want) return {};
    return "got " + ShowNumber(got);
}

TResult ExpectPen(TRun& run, TArgs& args) {
    const std::string name = args.Word("NAME");
    const long long color = args.Number("COLOR"), width = args.Number("WIDTH");
    args.End();
    const auto* shape = dynamic_cast<TShape*>(run.Control(name));
    if (!shape) Wrong(name + " is not a shape");
    if (shape->Pen.Color == color && shape->Pen.Width == width) return {};
    return "got " + ShowNumber(shape->Pen.Color) + " width " + std::to_string(shape->Pen.Width);
}

// The bounds relative to the parent, as the program set them.
TResult ExpectBounds(TRun& run, TArgs& args) {
    const std::string name = args.Word("NAME");
    const long long left = args.Number("LEFT"), top = args.Number("TOP"), width = args.Number("WIDTH"),
                    height = args.Number("HEIGHT");
    args.End();
    const TControl* c = run.Control(name);
    if (c->Left == left && c->Top == top && c->Width == width && c->Height == height) return {};
    return "got " + std::to_string(c->Left) + " " + std::to_string(c->Top) + " " + std::to_string(c->Width) + " " +
           std::to_string(c->Height);
}

TResult ExpectChecked(TRun& run, TArgs& args) {
    const std::string name = args.Word("NAME");
    const bool want = args.YesNo("yes or no");
    args.End();
    TControl* c = run.Control(name);
    bool got;
    if (auto* box = dynamic_cast<TCheckBox*>(c)) got = box->Checked();
    else if (auto* radio = dynamic_cast<TRadioButton*>(c)) got = radio->Checked();
    else Wrong(name + " is neither a check box nor a radio button");
    if (got == want) return {};
    return std::string("got ") + YesNo(got);
}

const char* const NoFile = "the file does not exist";

TResult ExpectFile(TRun& run, TArgs& args) {
    const std::string path = run.LookAt(args.Word("PATH"));
    const std::string form = args.Word("size or at");
    if (form == "size") {
        const long long want = args.Number("N");
        args.End();
        const auto size = run.Session.FileSize(path);
        if (!size) return NoFile;
        if (*size == want) return {};
        return "got " + std::to_string(*size);
    }
    if (form != "at") Error("expected size or at");
    const long long offset = args.Number("OFFSET");
    if (offset < 0) Error("OFFSET must not be negative");
    const bool hex = args.Peek() == "hex";
    std::string want;
    if (hex) {
        args.Keyword("hex");
        want = args.HexBytes();
    } else {
        want = ToCp932(args.Quoted("TEXT"), "TEXT");
    }
    args.End();
    const auto size = run.Session.FileSize(path);
    const auto got = size ? run.Session.ReadFileAt(path, offset, static_cast<std::int64_t>(want.size()))
                          : std::nullopt;
    if (!got) return NoFile;
    if (offset + static_cast<long long>(want.size()) > *size)
        return "the file holds only " + std::to_string(*size) + " bytes";
    if (*got == want) return {};
    return GotText(want, *got, hex);
}

TResult ExpectNoFile(TRun& run, TArgs& args) {
    const std::string path = run.LookAt(args.Word("PATH"));
    args.End();
    if (!run.Session.FileExists(path)) return {};
    const auto bytes = run.Session.ReadFile(path);
    return bytes ? "the file exists (" + std::to_string(bytes->size()) + " bytes)" : std::string("it exists");
}

TResult ExpectExit(TRun& run, TArgs& args) {
    const bool none = args.Peek() == "none";
    long long want = 0;
    if (none) args.Keyword("none");
    else want = args.Number("STATUS");
    args.End();
    const THeadlessSession& s = run.Session;
    if (!s.Exited()) return none ? TResult() : TResult("got none (the program is still running)");
    const int got = s.ExitStatus();
    if (!none && (got & 0xFF) == (want & 0xFF)) return {};
    return "got " + std::to_string(got) + (got < 0 ? ", that is " + std::to_string(got & 0xFF) : std::string());
}

// The last print job when it was printed to its end; otherwise why not.
const TPrintJob* LastPrinted(TRun& run, std::string& why) {
    const TPrintJob* job = run.Session.RecordingPrinter().LastJob();
    if (!job) why = "got nothing printed";
    else if (!job->Finished) why = "the last print job did not finish";
    return job && job->Finished ? job : nullptr;
}

// Where the texts of a page that are not the one expected stand: the same
// text elsewhere, else whatever stands at the point.
std::string GotPrintedText(const TPrintedPage& page, const std::string& want, int x, int y) {
    std::string found;
    for (const TPrintedText& t : page.Texts)
        if (t.Text == want) found += (found.empty() ? "" : ", ") + std::to_string(t.X) + " " + std::to_string(t.Y);
    if (!found.empty()) return "the text stands at " + found;
    for (const TPrintedText& t : page.Texts)
        if (t.X == x && t.Y == y) return GotText(want, t.Text) + " there";
    return "no such text on the page (it holds " + std::to_string(page.Texts.size()) + " text-outs)";
}

TResult ExpectPrinted(TRun& run, TArgs& args) {
    const std::string form = args.Word("nothing, pages or page");
    std::string why;
    if (form == "nothing") {
        args.End();
        const auto& jobs = run.Session.RecordingPrinter().Jobs();
        if (jobs.empty()) return {};
        return "got " + std::to_string(jobs.size()) + " print job(s), the last with " +
               std::to_string(jobs.back().Pages.size()) + " page(s)";
    }
    if (form == "pages") {
        const long long want = args.Number("N");
        args.End();
        const TPrintJob* job = LastPrinted(run, why);
        if (!job) return why;
        if (static_cast<long long>(job->Pages.size()) == want) return {};
        return "got " + std::to_string(job->Pages.size());
    }
    if (form != "page") Error("expected nothing, pages or page");
    const long long page = args.Number("P");
    args.Keyword("text");
    const std::string want = ToCp932(args.Quoted("TEXT"), "TEXT");
    args.Keyword("at");
    const long long x = args.Number("X"), y = args.Number("Y");
    args.End();
    if (page < 1) Error("pages count from 1");
    const TPrintJob* job = LastPrinted(run, why);
    if (!job) return why;
    if (page > static_cast<long long>(job->Pages.size()))
        return "the last job has " + std::to_string(job->Pages.size()) + " page(s)";
    const TPrintedPage& p = job->Pages[static_cast<size_t>(page - 1)];
    for (const TPrintedText& t : p.Texts)
        if (t.Text == want && t.X == x && t.Y == y) return {};
    return GotPrintedText(p, want, static_cast<int>(x), static_cast<int>(y));
}

TResult ExpectMessage(TRun& run, TArgs& args) {
    const bool none = args.Peek() == "none";
    std::string want;
    if (none) args.Keyword("none");
    else want = ToCp932(args.Quoted("TEXT"), "TEXT");
    args.End();
    const auto& shown = run.Session.Messages();
    if (run.MessagesSeen >= shown.size()) return none ? TResult() : TResult("got none");
    const std::string& got = shown[run.MessagesSeen++];
    if (!none && got == want) return {};
    return none ? "got \"" + Cp932_ToUtf8(got) + "\"" : GotText(want, got);
}

// ------------------------------------------------------------ the table

constexpr TCommand Commands[] = {
    {"today", "today YYYY-MM-DD HH:MM:SS", TNeeds::Nothing, false, Today},
    {"file", "file PATH hex HEX... | file PATH text \"...\" | file PATH copy SOURCE", TNeeds::Nothing, false, File},
    {"nodata", "nodata", TNeeds::BeforeStart, false, NoData},
    {"disk full", "disk full after N", TNeeds::BeforeStart, false, DiskFull},
    {"disk ok", "disk ok", TNeeds::Nothing, false, DiskOk},
    {"read fail", "read fail [NTH]", TNeeds::Nothing, false, ReadFail},
    {"mount", "mount NAME", TNeeds::Nothing, false, Mount},
    {"unmount", "unmount NAME", TNeeds::Nothing, false, Unmount},
    {"printer offsets", "printer offsets X Y", TNeeds::BeforeStart, false, PrinterOffsets},
    {"printer fail", "printer fail", TNeeds::BeforeStart, false, PrinterFail},
    {"start", "start", TNeeds::BeforeStart, false, Start},
    {"click", "click NAME", TNeeds::Input, false, Mouse<&THeadlessSession::Click>},
    {"press", "press NAME", TNeeds::Input, false, Mouse<&THeadlessSession::Press>},
    {"release", "release NAME", TNeeds::Input, false, Mouse<&THeadlessSession::Release>},
    {"key", "key [Shift+]KEY [COUNT]", TNeeds::Input, false, Key},
    {"type", "type TEXT | type \"...\"", TNeeds::Input, false, Type},
    {"wheel", "wheel up|down [COUNT]", TNeeds::Input, false, Wheel},
    {"expect focus", "expect focus NAME|none", TNeeds::Window, true, ExpectFocus},
    {"expect text", "expect text NAME \"...\"", TNeeds::Window, true, ExpectText},
    {"expect visible", "expect visible NAME yes|no", TNeeds::Window, true, ExpectVisible},
    {"expect enabled", "expect enabled NAME yes|no", TNeeds::Window, true, ExpectEnabled},
    {"expect color", "expect color NAME N", TNeeds::Window, true, ExpectColor},
    {"expect fontcolor", "expect fontcolor NAME N", TNeeds::Window, true, ExpectFontColor},
    {"expect pen", "expect pen NAME COLOR WIDTH", TNeeds::Window, true, ExpectPen},
    {"expect checked", "expect checked NAME yes|no", TNeeds::Window, true, ExpectChecked},
    {"expect bounds", "expect bounds NAME LEFT TOP WIDTH HEIGHT", TNeeds::Window, true, ExpectBounds},
    {"expect file", "expect file PATH size N | expect file PATH at OFFSET \"...\" | ... at OFFSET hex HEX...",
     TNeeds::Nothing, true, ExpectFile},
    {"expect nofile", "expect nofile PATH", TNeeds::Nothing, true, ExpectNoFile},
    {"expect exit", "expect exit STATUS|none", TNeeds::Window, true, ExpectExit},
    {"expect printed",
     "expect printed nothing | expect printed pages N | expect printed page P text \"...\" at X Y",
     TNeeds::Nothing, true, ExpectPrinted},
    {"expect message", "expect message \"...\"|none", TNeeds::Window, true, ExpectMessage},
};

const TCommand* FindCommand(const std::string& first, const std::string& second) {
    for (const auto& c : Commands)
        if (first + " " + second == c.Name || first == c.Name) return &c;
    return nullptr;
}

// Why the program cannot take the command now, or "".
std::string NotReady(const TRun& run, TNeeds needs) {
    const THeadlessSession& s = run.Session;
    switch (needs) {
        case TNeeds::Nothing:
            return "";
        case TNeeds::BeforeStart:
            return s.Started() ? "must come before start" : "";
        case TNeeds::Window:
            return s.Started() ? "" : "no window: start has not run";
        case TNeeds::Input:
            if (!s.Started()) return "no window: start has not run";
            if (s.Exited()) return "the program has ended (exit status " + std::to_string(s.ExitStatus()) + ")";
            return "";
    }
    return "";
}

// A script on its own must check something; one that a test mixes with its
// own code may leave the checks to the test (mustExpect false).
TScenarioResult RunScript(const std::string& script, const std::string& scriptName, const std::string& sourceDir,
                          THeadlessSession& session, std::ostream& out, bool mustExpect) {
    TRun run{session, sourceDir.empty() || sourceDir.back() == '/' ? sourceDir : sourceDir + "/"};
    TScenarioResult result;
    int expectations = 0;  // expect lines among the unrolled ones, run or not
    auto fail = [&](int number, const std::string& line, const std::string& what) {
        ++result.Failed;
        out << scriptName << ":" << number << ": " << line << ": " << what << "\n";
    };

    for (const TScenarioLine& unrolled : Scenario_Unroll(script)) {
        const int number = unrolled.Number;
        const std::string& line = unrolled.Text;
        if (!unrolled.Error.empty()) {
            fail(number, line, unrolled.Error);
            continue;
        }
        TArgs words(line, 0);
        const std::string w1 = words.Bare();
        const std::string w2 = words.Bare();
        const TCommand* command = FindCommand(w1, w2);
        if (!command) {
            fail(number, line, w1 == "expect" ? "unknown expectation \"" + w2 + "\"" : "unknown command \"" + w1 + "\"");
            continue;
        }
        if (command->Expectation) ++expectations;
        if (const std::string why = NotReady(run, command->Needs); !why.empty()) {
            fail(number, line, why);
            continue;
        }
        TArgs args(line, 0);
        args.Bare();
        if (std::string(command->Name).find(' ') != std::string::npos) args.Bare();
        try {
            const TResult failure = command->Run(run, args);
            if (failure) fail(number, line, *failure);
            else if (command->Expectation) ++result.Passed;
            for (const std::string& name : session.TakeLookupMisses())
                fail(number, line, "the program looked up \"" + Cp932_ToUtf8(name) + "\", a control that no table creates");
        } catch (const TScriptError& e) {
            fail(number, line, e.ShowUsage ? e.Message + " (usage: " + command->Usage + ")" : e.Message);
        } catch (const std::exception& e) {
            fail(number, line, std::string("exception: ") + e.what());
        }
    }
    if (!session.Started()) {
        ++result.Failed;
        out << scriptName << ": the script never runs start\n";
    }
    if (mustExpect && expectations == 0) {
        ++result.Failed;
        out << scriptName << ": the script expects nothing (no expect line once its blocks are unrolled)\n";
    }
    out << result.Passed << " passed, " << result.Failed << " failed\n";
    return result;
}

}  // namespace

TScenarioResult Scenario_Run(const std::string& script, const std::string& scriptName,
                             const std::string& sourceDir, std::ostream& out) {
    THeadlessSession session;
    return RunScript(script, scriptName, sourceDir, session, out, true);
}

TScenarioResult Scenario_Run(const std::string& script, const std::string& scriptName,
                             const std::string& sourceDir, THeadlessSession& session, std::ostream& out) {
    return RunScript(script, scriptName, sourceDir, session, out, false);
}
