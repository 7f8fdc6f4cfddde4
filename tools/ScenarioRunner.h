// The scenario runner: runs the real program headlessly from a small text
// script, one command a line. Blank lines and lines starting with '#' are
// skipped. Texts are UTF-8 in the script and CP932 in the program; a quoted
// text knows \n, \" and \\. PATH is the program's own form ("Data\Kokyaku.620"
// or with '/'), relative to the program folder. N is decimal or 0x hex.
// The program prints on a recording printer (254 dots per inch, 1 mm = 10
// dots); the printed expectations look at what it kept.
//
//   today YYYY-MM-DD HH:MM:SS        fix the clock
//   file PATH hex HEX...             preload a file: bytes ("20 20 31" or "202031"),
//   file PATH text "..."             a text written as CP932,
//   file PATH copy SOURCE            a copy of SOURCE (relative to the script)
//   nodata                           start without a Data folder (before start)
//   disk full after N                before start: writes to the program folder's
//                                    files come up short once N more bytes are
//                                    written, and fail after that
//   disk ok                          the disk has room again (anywhere)
//   read fail [NTH]                  the NTH read of a file by the program from now
//                                    on fails (1, the next one, when left out);
//                                    disk ok forgets it
//   mount NAME                       a removable volume NAME is mounted at media/NAME
//                                    in the program folder (made when it never was;
//                                    what it held when unmounted comes back)
//   unmount NAME                     the volume NAME is pulled out: gone from the
//                                    mount table, what it holds set aside; its empty
//                                    mount point stays. The volumes are the session's
//                                    own: the home folder is home in the program
//                                    folder, never the machine's
//   printer offsets X Y              before start: the physical offsets of the
//                                    recording printer (254 dots per inch), in dots
//   printer fail                     before start: the next print job fails to start
//   start                            start-up and the window's first activation
//   click NAME | press NAME | release NAME
//   key [Shift+]KEY [COUNT]          Return Escape Tab Up Down Left Right Home End
//                                    PageUp PageDown Space Backspace Delete F1 ... F9
//   type TEXT | type "..."           committed input-method text, focused control
//   wheel up|down [COUNT]            one notch (120 units) each
//   expect focus NAME|none
//   expect text NAME "..."           caption, or an edit's text; exact
//   expect visible NAME yes|no       shown on the screen (its parents too)
//   expect enabled NAME yes|no
//   expect color NAME N              a shape's brush colour, else the control's colour
//   expect fontcolor NAME N
//   expect pen NAME COLOR WIDTH
//   expect checked NAME yes|no
//   expect bounds NAME LEFT TOP WIDTH HEIGHT
//                                    Left, Top, Width and Height as the program set
//                                    them, relative to the parent
//   expect file PATH size N
//   expect file PATH at OFFSET "..." the CP932 bytes of the text at OFFSET
//   expect file PATH at OFFSET hex HEX...
//   expect nofile PATH
//   expect exit STATUS|none          status & 0xFF: -1 and 255 are the same
//   expect printed nothing           no print job was begun since the session began
//   expect printed pages N           the last job's pages
//   expect printed page P text "..." at X Y
//                                    a text-out of exactly these CP932 bytes with its
//                                    top-left corner at dots X, Y on page P (from 1)
//                                    of the last job
//   expect message "..."|none        the oldest message box not yet expected
//                                    showed this text (and counts as seen);
//                                    none: every message box shown is seen
//
// A line during which the program looks up a control by a name that no table
// creates (a misspelling, ui/Ui.h) fails as well.
//
// Blocks, unrolled before anything runs (tools/ScenarioBlocks.h):
//   repeat NAME from A to B          the lines up to the matching end run once
//   ...                              for each NAME = A, A + 1, ... B (A <= B,
//   end                              100000 rounds at most); blocks nest
//   if EXPR                          the lines run when EXPR is not 0 (up to
//   [else]                           else, else those after it)
//   end
//   let NAME = EXPR                  binds NAME; inside a repeat for the rest
//                                    of that round
// In every other line {EXPR} is replaced by its value: {EXPR:W} right-aligned
// in W bytes, {EXPR:-W} left-aligned (in the program's CP932 bytes, filled
// with blanks, never cut); a { or } in such a line always belongs to one.
// EXPR (tools/ScenarioExpr.h): whole numbers, the names bound so far, "texts",
// + - * / % ( ), == != < <= > >= (1 or 0), COND ? A : B. A line whose
// expression fails is a failure in its place; a script whose blocks do not
// match runs nothing.
#pragma once

#include <ostream>
#include <string>

class THeadlessSession;

struct TScenarioResult {
    int Passed = 0;  // expectations that held
    int Failed = 0;  // expectations that did not, and lines that could not run
};

// Runs a script (UTF-8 text) in a fresh program folder. Every failure is
// written to out as "scriptName:LINE: COMMAND: what went wrong", then the
// summary "N passed, M failed". `file PATH copy SOURCE` reads SOURCE
// relative to sourceDir. A script with no expect line once its blocks are
// unrolled checks nothing, and fails.
TScenarioResult Scenario_Run(const std::string& script, const std::string& scriptName,
                             const std::string& sourceDir, std::ostream& out);
// The same on a session the caller made (and may have started and fitted
// with controls or handlers of its own): a test can mix code and script,
// and the script may leave every check to the test.
TScenarioResult Scenario_Run(const std::string& script, const std::string& scriptName,
                             const std::string& sourceDir, THeadlessSession& session, std::ostream& out);
