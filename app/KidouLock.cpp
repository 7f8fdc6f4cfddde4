#include "app/KidouLock.h"

#include "platform/Application.h"
#include "platform/InstanceLock.h"

void KidouLock_Take() {
    if (InstanceLock_Take(KidouLock_FileName) != TInstanceLock::HeldElsewhere) return;
    Application_ShowMessage("既に起動しています。");
    Application_Terminate(-1);
}
