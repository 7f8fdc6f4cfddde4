// Today's date read from the clock at start-up (the values: store/Today.h).
#pragma once

#include "store/Today.h"

// Reads the clock into the globals and shows it in Label_Date.
void Today_Set();
