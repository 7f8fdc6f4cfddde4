// Lists the window's focus-code table as the build put it together: one
// code and its control a line, in ascending order. A new input takes a code
// that no line shows, between the first and the last, beside the codes of
// its screen.
#include <cstdio>

#include "app/FocusTable.h"

int main() {
    for (const TFocusEntry& e : Focus_CodeTable) std::printf("%d %s\n", e.Code, e.Name);
    return 0;
}
