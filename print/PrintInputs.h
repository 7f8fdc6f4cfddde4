// What a print of the document in the editor reads besides the document:
// the kind buttons and the honorific the editor shows, the customer's
// address, and what the preview gathered (its print date and no-date box,
// handed over by its print command: print/preview/PrintView.h). The
// preview shows the same.
#pragma once

// The kind as the checked kind button gives it (not the document's field 0).
enum TPrintKind : int {
    PrintKind_Mitumori = 0,  // estimate
    PrintKind_Seikyuu = 1,   // invoice
    PrintKind_Utiwake = 2,   // breakdown statement
    PrintKind_Irai = 3,      // estimate request: no prices, no customer
};
TPrintKind Print_Kind();

// The print date typed in the preview: each part right-aligned in two
// characters, or two blanks.
struct TPrintDate {
    char Year[3], Month[3], Day[3];  // era year, month, day
    int YearValue() const;
    int MonthValue() const;
    int DayValue() const;
};

// The preview as a print takes it: what it gathered, and its era label of
// the print date, which the print sets to the era it reads the date in.
struct TPrintPreview {
    TPrintDate Date;
    bool DateNotPrinted = false;  // its box "日付を印刷しない"
    void (*ShowDateEra)(const char* eraName) = nullptr;
};

// The honorific the editor shows (Label_DenpKeisyou; the document's own
// without a window), "様" when blank, left-aligned in 6 characters.
void Print_Keisyou(char out[7]);

// The address of the customer with the document's two name lines: city (20)
// and street (40), blank-padded. A name that no customer has, or a customer
// file that cannot be read, gives blank lines: never another customer's
// address. The customer found is left in the customer buffers; its record
// number is returned, 0 for none.
int Print_KokyakuAddress(char city[21], char street[41]);
