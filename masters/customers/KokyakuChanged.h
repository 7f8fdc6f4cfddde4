// Whether a customer field has been written since start-up: the exit sorts
// the customer file by reading only then.
#pragma once

extern int Kokyaku_Changed;  // Flag_True after any customer field write
