// The own-company screen.
#pragma once

class TForm;

void Jisya_CreateControls(TForm& form);
// Copies the own-company fields into the screen and spreads the captions to
// the document editor and the preview.
void Jisya_Show();
