#include "ui/Folder.h"

#include <algorithm>
#include <vector>

#include "ui/Build.h"
#include "ui/Owner.h"

namespace {

std::span<const TFolder* const> Folders;

struct TOwnedPlace {
    const TPanelPlace* Place;
    const char* Owner;
};

// The window's own places, then each folder's, in layer order.
std::vector<TOwnedPlace> Places(std::span<const TPanelPlace> own) {
    std::vector<TOwnedPlace> places;
    for (const TPanelPlace& p : own) places.push_back({&p, "app"});
    for (const TFolder* f : Folders)
        for (const TPanelPlace& p : f->Panels) places.push_back({&p, f->Path});
    std::stable_sort(places.begin(), places.end(),
                     [](const TOwnedPlace& a, const TOwnedPlace& b) { return a.Place->Layer < b.Place->Layer; });
    return places;
}

// The folders' steps of one kind in the order of their numbers.
template <class Step>
std::vector<Step> Steps(Step TFolder::*step) {
    std::vector<Step> steps;
    for (const TFolder* f : Folders)
        if ((f->*step).Run) steps.push_back(f->*step);
    std::stable_sort(steps.begin(), steps.end(), [](const Step& a, const Step& b) { return a.Order < b.Order; });
    return steps;
}

}  // namespace

void Folder_SetList(std::span<const TFolder* const> folders) { Folders = folders; }

void Folder_CreatePanels(TForm& form, std::span<const TPanelPlace> own) {
    for (const TOwnedPlace& o : Places(own)) {
        const TPanelPlace& p = *o.Place;
        TControl* panel = Ui_Build(form, {TControlKind::Panel, p.Name, p.Parent, p.Left, p.Top, p.Width, p.Height});
        panel->SetVisible(false);
        Owner_Set(panel, o.Owner);
    }
}

void Folder_CreateControls(TForm& form) {
    for (const TFolder* f : Folders)
        if (f->CreateControls) f->CreateControls(form);
}

void Folder_RegisterAll() {
    for (const TFolder* f : Folders)
        if (f->Register) f->Register();
}

void Folder_LayoutPanels(TForm& form, std::span<const TPanelPlace> own) {
    for (const TOwnedPlace& o : Places(own)) {
        const TPanelPlace& p = *o.Place;
        if (!p.Laid) continue;
        TControl* panel = form.Find(p.Name);
        if (!panel) continue;
        panel->SetBounds(p.Left, p.Top, p.Width, p.Height);
        panel->SetVisible(p.Visible);
    }
}

void Folder_PrepareAll() {
    for (const TFolder* f : Folders)
        if (f->Prepare) f->Prepare();
}

void Folder_StartAll() {
    for (const TFolder* f : Folders)
        if (f->Start) f->Start();
}

bool Folder_SaveAll() {
    for (const TFolderSave& s : Steps(&TFolder::Save))
        if (!s.Run()) return false;
    return true;
}

void Folder_SortAll() {
    for (const TFolderSort& s : Steps(&TFolder::Sort)) s.Run();
}
