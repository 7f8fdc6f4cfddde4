#include "app/StartData.h"

#include "app/Folders.h"
#include "ui/Folder.h"

void App_StartData() {
    Folder_SetList(App_Folders);
    Folder_StartAll();
}
