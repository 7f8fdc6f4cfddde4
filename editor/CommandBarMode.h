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
// The bar of a chooser over the grid (the product chooser, the unit
// chooser): F1, F3, F4, F5, F6 and F9 alone on, with their captions there
// and on the half-page labels.
void Denpyou_SetChooserBar();
