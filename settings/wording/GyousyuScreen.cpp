#include "settings/wording/GyousyuScreen.h"

#include "ui/Screen.h"

namespace {

constexpr const char* Gyousyu_Pending[] = {"Edit_Naiyou", nullptr};

const TScreen Gyousyu_Screen{
    .Job = Job_Gyousyu,
    .Panel = "Panel_Gyousyu",
    .MenuNo = 9,
    .First = "Edit_Naiyou",
    .Pending = Gyousyu_Pending,
};

}  // namespace

void Gyousyu_Register() { Screen_Register(Gyousyu_Screen); }
