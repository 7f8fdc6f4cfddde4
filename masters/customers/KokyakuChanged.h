// Whether a customer field has been written since start-up: the exit sorts
// the customer file by reading only then.
#pragma once

extern bool Kokyaku_Changed;  // after any customer field write
