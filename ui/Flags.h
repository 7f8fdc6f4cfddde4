// The flags with which the handlers set and compare their switches.
#pragma once

constexpr int Flag_True = 1;
constexpr int Flag_False = 0;

// Set by Return when it has committed a field and moved on, so that the
// focus-out that follows commits nothing more; cleared by every focus-in.
extern int Flag_EnterCommitted;
