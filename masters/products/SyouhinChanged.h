// Whether a product field has been written since start-up: the exit sorts
// the product file by reading only then.
#pragma once

extern bool Syouhin_Changed;  // after any product field write
