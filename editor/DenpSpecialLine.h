// The special lines: subtotal, total, taxable total, tax, grand total,
// adjustment and the two user lines. Eight buttons on the top band of the
// product chooser make the cursor's line one of them; their captions and
// their order come from the own-company record, which the wording screen
// changes.
#pragma once

#include <string>

class TForm;

// The buttons, in the order of their own-company fields.
enum TSpecialLineNo {
    SpecialLine_Syoukei,      // "小計": a subtotal
    SpecialLine_Goukei,       // "計": a total
    SpecialLine_KazeiGoukei,  // "課税合計": a grand total
    SpecialLine_Zei,          // "消費税": the consumption tax
    SpecialLine_SouGoukei,    // "合計": a grand total
    SpecialLine_Cyousei,      // "調整(値引）": an adjustment, an item line
    SpecialLine_User_1,       // the two user lines, item lines
    SpecialLine_User_2,
    SpecialLine_Count,
};

// The eight buttons on the band (a panel of the product chooser), with
// their handlers.
void DenpSpecialLine_CreateControls(TForm& form, const char* band);

// The caption button (a TSpecialLineNo) shows, from the own-company record:
// a special line's up to its first blank (all 20 bytes when it has none), a
// user line's whole.
std::string DenpSpecialLine_ButtonCaption(int button);
// The buttons' captions (DenpSpecialLine_ButtonCaption).
void DenpSpecialLine_ShowCaptions();
// Lays the buttons out in the slots the own-company record gives them
// (JisyaField_Jun_1 ...): slot s stands 106 pixels apart from the one
// before, the first at the band's left; a slot that is blank or 0 lies
// outside the band, where it can neither be seen nor clicked, and two
// buttons with the same slot lie on top of each other.
void Denp_SpecialLine_Arrange();
// The wording screen's way to the buttons once it changed a caption or a
// slot: captions and places read again from the own-company record.
void Denpyou_PlaceSpecialButtons();

// A button's click: the cursor's line becomes that special line (its kind,
// its caption as the description, every value blank) and the passes of its
// kind run. Nothing while the category chooser stands over the product
// chooser or no grid row is the cursor's.
void Denpyou_SpecialLine(int button);
// The cursor's line shown in its row, its tax class blanked.
void Denpyou_ShowCurLine();
