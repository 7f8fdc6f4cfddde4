#include "settings/gyousyu/GyousyuScreen.h"

#include "ui/Screen.h"

namespace {

const TScreen Gyousyu_Screen{
    .Job = Job_Gyousyu,
    .Panel = "Panel_Gyousyu",
    .MenuNo = 9,
    .First = "Edit_Naiyou",
};

}  // namespace

void Gyousyu_Register() { Screen_Register(Gyousyu_Screen); }
