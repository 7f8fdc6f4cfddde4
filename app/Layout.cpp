#include "app/Layout.h"

#include "app/Folders.h"
#include "app/Syori_01.h"

void Form_LayoutPanels() {
    TForm* form = Form_Syori_01;
    if (!form) return;
    form->ClientWidth = 1024;
    form->ClientHeight = 768;
    Folder_LayoutPanels(*form, App_Panels);
}
