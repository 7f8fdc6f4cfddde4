// The customer chooser (Panel_ChooseKokyaku), shown over the editor and
// holding the focus lock while it is open. Not built yet: its record says
// where it stands.
#pragma once

struct TScreen;

bool KokyakuChoose_Shown();

extern const TScreen KokyakuChoose_Screen;
