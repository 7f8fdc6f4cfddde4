// The document in memory shown on the document editor.
#pragma once

// The header: number, customer, honorific, construction, site, remarks,
// creation and validity dates in era years, total and kind buttons.
void Denpyou_ShowHeader();
// The twenty rows from Denpyou_TopLine.
void Denpyou_ShowLines();
// The state caption: new, stored or deleted document.
void Denpyou_ShowKind();
// The function-key bar while a detail cell has the focus: mode 1 for the
// description column (F8 lists products), 2 for the other columns.
void Denpyou_SetCommandBar(int mode);
// The era year text "%2d" of a stored Western year and month ("" for 0).
void Denpyou_EraText(int year, int month, char out[3]);
