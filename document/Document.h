// The document in the editor, beyond its record: the breakdown title variant.
#pragma once

extern int Utiwake_Kind;  // title variant of a breakdown statement (0 ... 9)

// A new window: the title variant and the rounding as at start.
void Document_Reset();
