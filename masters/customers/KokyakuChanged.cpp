#include "masters/customers/KokyakuChanged.h"

bool Kokyaku_Changed = false;
