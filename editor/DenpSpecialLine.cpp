#include "editor/DenpSpecialLine.h"

// The buttons live in the product chooser's band, which is not built yet;
// there is nothing to arrange until it is.
void Denp_SpecialLine_Arrange() {}
