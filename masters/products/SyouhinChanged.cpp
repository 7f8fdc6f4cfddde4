#include "masters/products/SyouhinChanged.h"

int Syouhin_Changed = 0;
