// The screen switch: ui/Job.h.
#pragma once

#include "ui/Job.h"

// The document editor's captions of F1 ... F9.
void Job_DenpyouCaptions();
