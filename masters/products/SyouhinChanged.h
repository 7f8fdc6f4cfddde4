// Whether a product field has been written since start-up: the exit sorts
// the product file by reading only then.
#pragma once

extern int Syouhin_Changed;  // Flag_True after any product field write
