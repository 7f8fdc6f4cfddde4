// The document editor's controls.
#pragma once

class TForm;

constexpr int Denpyou_GridRows = 20;  // rows shown of the 200 lines

void Denpyou_CreateControls(TForm& form);
