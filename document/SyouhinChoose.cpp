#include "document/SyouhinChoose.h"

int SyouhinChoose_Hits[1000] = {};
