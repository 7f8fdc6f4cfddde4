// The document in memory shown on the document editor.
#pragma once

// The header: number, customer, honorific, construction, site, remarks,
// creation and validity dates in era years, total and kind buttons.
void Denpyou_ShowHeader();
// The twenty rows from Denpyou_TopLine.
void Denpyou_ShowLines();
// Row 0 ... 19 alone, from its line: every edit as its field is stored (the
// actual price in its price form), the reference price, the amount.
void Denpyou_ShowRow(int row);
// The state caption: new, stored or deleted document.
void Denpyou_ShowKind();
// The era year text "%2d" of a stored Western year and month ("" for 0).
void Denpyou_EraText(int year, int month, char out[3]);
