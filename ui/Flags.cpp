#include "ui/Flags.h"

int Flag_EnterCommitted = Flag_False;
