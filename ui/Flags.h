// The switches the handlers share.
#pragma once

// Set by Return when it has committed a field and moved on, so that the
// focus-out that follows commits nothing more; cleared by every focus-in.
extern bool Flag_EnterCommitted;
