// The document in the editor, beyond its record: the breakdown title variant.
#pragma once

extern int Utiwake_Kind;  // title variant of a breakdown statement (0 ... 9)
