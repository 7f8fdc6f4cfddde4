#include "masters/products/SyouhinChanged.h"

bool Syouhin_Changed = false;
