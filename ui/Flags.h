// The switches the handlers share.
#pragma once

// The values of a switch held as a number (the customer file's change flag).
constexpr int Flag_True = 1;
constexpr int Flag_False = 0;

// Set by Return when it has committed a field and moved on, so that the
// focus-out that follows commits nothing more; cleared by every focus-in.
extern bool Flag_EnterCommitted;
