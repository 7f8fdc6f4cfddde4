#include "document/Document.h"

#include "document/Calc.h"

int Utiwake_Kind = 0;

void Document_Reset() {
    Utiwake_Kind = 0;
    Round_Mode = 0;
}
