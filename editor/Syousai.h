// The description cells of the grid's twenty rows (Edit_DenpSyousai_01 ...
// Edit_DenpSyousai_20): focus-in, commit and keys. row is 1 ... 20.
#pragma once

#include "platform/Types.h"

void Edit_DenpSyousai_Enter(int row);
void Edit_DenpSyousai_Exit(int row);
void Edit_DenpSyousai_KeyDown(int row, Word key);
