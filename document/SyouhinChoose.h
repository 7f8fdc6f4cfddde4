// The product chooser.
#pragma once

extern int SyouhinChoose_Hits[1000];
