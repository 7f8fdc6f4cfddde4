#include "app/MenuControls.h"

#include "ui/CommandBar.h"
#include "ui/Menu.h"

void Shell_CreateMenu(TForm& form) {
    Menu_CreateControls(form, "Panel_ChooseSyori");  // from the records, registered before
    CommandBar_CreateControls(form, "Panel_Command_01");
}
