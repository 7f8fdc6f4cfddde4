// The data part of start-up: every data file loaded (created when missing)
// and the screens that show it painted. The program's FormCreate, the tests
// and the benchmarks start their data through it; without a window only the
// data are loaded.
#pragma once

// Every folder's start in the order of the list (app/Folders.h): the units;
// the own-company record with the special-line defaults and the rounding;
// the customers; the categories; the products; the documents with the last
// number, and a new empty document numbered Denpyou_LastNo + 1 in the
// editor; the preview's print date, the print margins and the counts of the
// data maintenance. Today's date (Today_Set) comes first.
void App_StartData();
