#include "app/KidouLock.h"

#include "platform/Application.h"
#include "platform/InstanceLock.h"

void KidouLock_Take() {
    switch (InstanceLock_Take(KidouLock_FileName)) {
        case TInstanceLock::Taken:
        case TInstanceLock::NoFolder:
            return;
        case TInstanceLock::HeldElsewhere:
            Application_ShowMessage("既に起動しています。");
            break;
        case TInstanceLock::Unavailable:
            Application_ShowMessage("Kidou.lckをロックできませんでした。");
            break;
    }
    Application_Terminate(-1);
}
