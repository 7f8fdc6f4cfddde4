#include "ui/Flags.h"

bool Flag_EnterCommitted = false;
