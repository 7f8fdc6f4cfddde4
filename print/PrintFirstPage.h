// Page 1 of a printed document: the head above and around its table (number,
// total pages, print date, addressee, greeting, own company, construction
// data, dates, footer, total amount, bank account) and the rules under them.
#pragma once

struct TDenpyouPrintRun;

// Builds the run's first-page texts (telephone and fax lines, print date,
// creation and validity dates) and looks up the customer's address.
void Denpyou_PrintFirstPagePrepare(TDenpyouPrintRun& run);
// When page 1 is opened, after the title and the page number.
void Denpyou_PrintFirstPageHeader(const TDenpyouPrintRun& run);
// When page 1 is closed, before its border: the total amount.
void Denpyou_PrintFirstPageClose(const TDenpyouPrintRun& run);
// Within page 1's frame, after the border; leaves the pen at width 1.
void Denpyou_PrintFirstPageRules(const TDenpyouPrintRun& run);
