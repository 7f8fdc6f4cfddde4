#include "masters/customers/KokyakuChanged.h"

int Kokyaku_Changed = 0;
