#include "app/StartData.h"

#include <string>

#include "document/Calc.h"
#include "document/DenpyouNumber.h"
#include "document/Number.h"
#include "editor/DenpSpecialLine.h"
#include "editor/Display.h"
#include "editor/KokyakuChoose.h"
#include "masters/categories/HinsyuScreen.h"
#include "masters/customers/KokyakuScreen.h"
#include "masters/products/SyouhinScreen.h"
#include "masters/units/TanniList.h"
#include "print/PrintMargins.h"
#include "print/preview/PrintMargin.h"
#include "print/preview/PrintView.h"
#include "settings/jisya/Jisya.h"
#include "store/Denpyou.h"
#include "store/Hinsyu.h"
#include "store/Jisya.h"
#include "store/Kokyaku.h"
#include "store/Str.h"
#include "store/Syouhin.h"
#include "store/Tanni.h"
#include "ui/Screen.h"
#include "ui/Ui.h"

namespace {

void SetNumber(const char* label, int n) {
    if (TLabel* l = Ui_Label(label)) l->SetCaption(std::to_string(n));
}

void StartTanni() {
    Tanni_Count = 0;
    Record_Prepare(Tanni_File);
    Tanni_ClearRecord();
    Tanni_Load();
    Tanni_ShowList();
}

// Own company: the settings, the special-line captions and the last number.
void StartJisya() {
    Jisya_Count = 0;
    Record_Prepare(Jisya_File);
    Jisya_ClearRecord();
    if (Jisya_Load()) Jisya_Show();
    Round_Mode = Num_ReadInt(Jisya_Field[JisyaField_Hasuu]);
    if (Jisya_Field[JisyaField_SyoukeiCaption][0] == ' ') {
        static const char* const captions[6] = {"小計", "計", "課税合計", "消費税", "合計", "調整(値引）"};
        for (int i = 0; i < 6; ++i)
            Str_Pad(captions[i], Jisya_Field[JisyaField_SyoukeiCaption + i],
                    Jisya_FieldWidth[JisyaField_SyoukeiCaption + i], 0);
        for (int i = 0; i < 8; ++i) {
            const char order[2] = {static_cast<char>('1' + i), '\0'};
            Str_Pad(order, Jisya_Field[JisyaField_Jun_1 + i], Jisya_FieldWidth[JisyaField_Jun_1 + i], 0);
        }
    }
    Jisya_Show();
    Denp_SpecialLine_Arrange();
    Print_LeftMargin = Num_ReadInt(Jisya_Field[JisyaField_LeftMargin]);
    Print_TopMargin = Num_ReadInt(Jisya_Field[JisyaField_TopMargin]);
    PrintView_ShowJisya();
    PrintMargin_Show();
}

void StartKokyaku() {
    Kokyaku_CurRec = 0;
    Record_Prepare(Kokyaku_File);
    Kokyaku_ClearRecord();
    Kokyaku_Open();
    Kokyaku_ShowPage();
    KokyakuChoose_ShowPage();
    Kokyaku_ShowRecNo();
    Kokyaku_ShowCount();
    SetNumber("Label_PC_KokyakuDs", Kokyaku_Count);
}

void StartHinsyu() {
    Hinsyu_CurRec = 0;
    Hinsyu_ClearList();
    Record_Prepare(Hinsyu_File);
    Hinsyu_ClearRecord();
    Hinsyu_Load();
    Hinsyu_ShowCount();
    Hinsyu_ShowPage();
}

void StartSyouhin() {
    Syouhin_CurRec = 0;
    Syouhin_Count = 0;
    Record_Prepare(Syouhin_File);
    Syouhin_ClearRecord();
    Syouhin_Open();
    Syouhin_ShowPage();
    SetNumber("Label_PC_SyouhinDs", Syouhin_Count);
    SetNumber("Label_SyouhinDs", Syouhin_Count);
    SetNumber("Label_SyouhinRec", Syouhin_Top + Syouhin_Row + 1);
}

// The documents counted, and a new empty document in the editor.
void StartDenpyou() {
    Denpyou_CurRec = 0;
    Denpyou_Count = 0;
    Record_Prepare(Denpyou_File);
    Denpyou_ClearRecord();
    Denpyou_Open();
    Denpyou_LoadLastNo();
    Screen_DocumentsCounted();  // the tidy-up notice
    SetNumber("Label_DenpyouDs", Denpyou_Count);
    SetNumber("Label_PC_DenpyouDs", Denpyou_Count);
    Denpyou_CurRec = Denpyou_Count + 1;
    SetNumber("Label_DenpyouRec", Denpyou_CurRec);
    Denpyou_ShowKind();
    Denpyou_ClearRecord();
    Num_WriteInt(Denpyou_Field[DenpyouField_No], Denpyou_FieldWidth[DenpyouField_No], Denpyou_LastNo + 1);
    Denpyou_ShowHeader();
    Denpyou_ShowLines();
}

}  // namespace

void App_StartData() {
    StartTanni();
    StartJisya();
    StartKokyaku();
    StartHinsyu();
    StartSyouhin();
    StartDenpyou();
}
