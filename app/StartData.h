// The data part of start-up: every data file loaded (created when missing)
// and the screens that show it painted. The program's FormCreate, the tests
// and the benchmarks start their data through it; without a window only the
// data are loaded.
#pragma once

// In this order: the units; the own-company record with the special-line
// defaults, the rounding and the print margins; the customers; the
// categories; the products; the documents with the last number, and a new
// empty document numbered Denpyou_LastNo + 1 in the editor. Today's date
// (Today_Set) comes first.
void App_StartData();
