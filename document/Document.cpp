#include "document/Document.h"

int Utiwake_Kind = 0;
