#include "app/WinMain.h"

#include <exception>
#include <memory>

#include "app/Syori_01.h"
#include "platform/Application.h"

int WinMain() {
    try {
        auto form = std::make_unique<TForm_Syori_01>();
        form->FormCreate();
        form->OnActivate = [f = form.get()] { f->FormActivate(); };
        Application_Run(*form);
    } catch (const std::exception& e) {
        Application_ShowException(e.what());
    } catch (...) {
        Application_ShowException("");
    }
    return 0;
}
