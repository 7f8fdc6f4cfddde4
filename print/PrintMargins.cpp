#include "print/PrintMargins.h"

int Print_LeftMargin = 0;
int Print_TopMargin = 0;
