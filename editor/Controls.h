// The document editor's controls.
#pragma once

class TForm;

void Denpyou_CreateControls(TForm& form);
