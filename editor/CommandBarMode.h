// The document editor's function-key bar follows the focus: the header
// fields and the open choosers show the editor's own bar, the description
// column and the value columns each a bar of their own.
#pragma once

enum class TCommandMode {
    Header,   // a header field, or a chooser that shows its own keys
    Syousai,  // the description column: F8 lists products
    Values,   // the quantity, unit, price and rate columns
};

extern TCommandMode Denpyou_CommandMode;

// The bar of a detail column (Syousai or Values).
void Denpyou_SetCommandBar(TCommandMode mode);
