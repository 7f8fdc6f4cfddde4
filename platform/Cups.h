// Handing a printed document to the printing system (CUPS) so that its
// answer is known: a queue that refuses jobs (stopped from accepting, gone,
// not allowed) or a scheduler that fails to take the document makes a job
// that failed, never one reported as printed.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

// A document for a printer's queue: a PDF whose pages are the sheets.
struct TCupsJob {
    std::string Printer;  // the queue's name (UTF-8)
    std::string Title;    // the job's name, as the queue lists it (UTF-8)
    int Copies = 0;       // 0: the printer's own setting
    bool A4 = false;      // ask for A4 paper
    const char* Pdf = nullptr;
    std::size_t Size = 0;
};

// Creates the job on the queue, hands it the document and checks the
// scheduler's answer at each step. false: the job was refused or the
// document not taken (a job created on the way is cancelled again, so
// nothing is printed); reason: the printing system's own words (UTF-8).
bool Cups_SubmitPdf(const TCupsJob& job, std::string& reason);

// The submission a printer backend uses; tests put a double in its place.
using TCupsSubmit = std::function<bool(const TCupsJob& job, std::string& reason)>;
