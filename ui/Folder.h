// The folder record: what the window needs of each folder with controls, in
// one constant of the folder's own. The window (app/) lists the records once
// (app/Folders.h) and walks the list: it creates every folder's panels, then
// every folder's controls, registers their screens, puts their focus codes
// together, starts them in order at start-up, and runs their saves and sorts
// at exit. A new folder is two lines there (its Folder.h included, its
// record in the list); a new screen in a folder that has a record already
// needs none, but one with inputs (a key catcher counts) raises
// Focus_CodeCount in app/FocusTable.h by the codes it adds
// (docs/architecture.md, "Adding a screen", says every line).
//
//     inline constexpr TPanelPlace Kokyaku_Panels[] = {
//         {.Name = "Panel_Kokyaku", .Left = 10, .Top = 58, .Width = 989, .Height = 549},
//     };
//     inline constexpr TFolder Kokyaku_Folder{
//         .Path = "masters/customers",
//         .Panels = Kokyaku_Panels,
//         .FocusCodes = Kokyaku_FocusCodes,
//         .CreateControls = Kokyaku_CreateControls,
//         .Register = Kokyaku_Register,
//         .Start = Kokyaku_Start,
//         .Sort = {.Order = 2, .Run = Kokyaku_ExitSort},
//     };
#pragma once

#include <span>

#include "ui/Focus.h"

class TForm;

// Where a panel lies over the others: each layer over the ones before it;
// within a layer, the window's own panels first, then the folders' in the
// order of the list. The window paints and hit-tests its panels in that
// order, and the records over screens are tried from the top down
// (ui/Screen.h). The bands lie under every panel over the screens: a
// chooser that reaches down over the help line (the product chooser's
// lower rows, the unit chooser's "▼") is seen and clicked there.
enum class TPanelLayer {
    Screen,    // a screen of the menu, and the panels inside one
    Bar,       // the window's message band and function-key bar
    Chooser,   // a chooser over a screen (products, customers)
    Popup,     // a pop-up beside a cell, over the choosers (units)
    Question,  // the exit question, and the category chooser over it
    Top,       // over everything (the print preview)
};

struct TPanelPlace {
    const char* Name;
    const char* Parent = nullptr;  // a panel listed before it; nullptr: the window
    int Left = 0, Top = 0, Width = 0, Height = 0;
    TPanelLayer Layer = TPanelLayer::Screen;
    bool Visible = false;  // as the start-up's layout leaves it
    bool Laid = true;      // false: keeps the bounds it was created with, and stays hidden
};

// A step of the exit, in the order of its number among the folders' steps.
struct TFolderSave {
    int Order = 0;
    bool (*Run)() = nullptr;  // false: not written; the user was told, and the exit stops
};
struct TFolderSort {
    int Order = 0;
    void (*Run)() = nullptr;  // one that fails tells the user; the exit goes on
};

// A folder without focus codes. (The part is always called, never compared
// with nullptr: a function's address compared at compile time is no
// constant in every build.)
constexpr void Folder_NoFocusCodes(TFocusCodes&) {}

struct TFolder {
    // The folder's path from the top of the source tree ("masters/customers"):
    // its panels belong to it (ui/Owner.h).
    const char* Path = nullptr;
    std::span<const TPanelPlace> Panels{};
    // Its part of the focus-code table (ui/Focus.h), called at compile time.
    void (*FocusCodes)(TFocusCodes& codes) = Folder_NoFocusCodes;
    // Its controls from its tables, with their handlers bound (the panels
    // of every folder exist already).
    void (*CreateControls)(TForm& form) = nullptr;
    // Its records (ui/Screen.h) and what it lends the folders below it (the
    // unit chooser's host, the calculation's view).
    void (*Register)() = nullptr;
    // Start-up of the window, before any data file is read (the backup
    // folder).
    void (*Prepare)() = nullptr;
    // Its data files loaded (created when missing) and its own controls
    // painted from them and from what the folders before it loaded. The
    // start-up runs every folder's in the order of the list; so does a
    // restore of the data files.
    void (*Start)() = nullptr;
    // The exit: the saves of what lives in memory, then, once every save went
    // through, the sorts.
    TFolderSave Save{};
    TFolderSort Sort{};
};

// The window's folders in their order (app/Folders.h hands them over).
void Folder_SetList(std::span<const TFolder* const> folders);

// The window's panels (its own first, then every folder's), layer by layer,
// each hidden at its place and owned by its folder ("app" for the window's
// own).
void Folder_CreatePanels(TForm& form, std::span<const TPanelPlace> own);
// Every folder's controls, then every folder's records.
void Folder_CreateControls(TForm& form);
void Folder_RegisterAll();
// Every panel laid at its place and shown or hidden as the start-up leaves it.
void Folder_LayoutPanels(TForm& form, std::span<const TPanelPlace> own);
// The start-up steps of every folder, in the order of the list.
void Folder_PrepareAll();
void Folder_StartAll();
// The exit: every save in order, stopping at the first that fails (false);
// then every sort in order.
bool Folder_SaveAll();
void Folder_SortAll();
