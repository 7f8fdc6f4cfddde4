#include "platform/Cups.h"

#include <cups/cups.h>

#include <algorithm>

namespace {

// The scheduler's last answer in words; an HTTP status where the request
// broke off before an IPP answer came.
std::string Why(http_status_t http) {
    const char* ipp = cupsLastErrorString();
    if (cupsLastError() > IPP_STATUS_OK_CONFLICTING && ipp && *ipp) return ipp;
    return http != HTTP_STATUS_CONTINUE && http != HTTP_STATUS_OK ? httpStatus(http) : "unknown error";
}

}  // namespace

bool Cups_SubmitPdf(const TCupsJob& job, std::string& reason) {
    cups_option_t* options = nullptr;
    int count = 0;
    if (job.Copies > 0) count = cupsAddOption("copies", std::to_string(job.Copies).c_str(), count, &options);
    if (job.A4) count = cupsAddOption("media", "A4", count, &options);
    // The job's creation is the queue's yes or no: a queue that does not
    // accept jobs answers here.
    const int id = cupsCreateJob(CUPS_HTTP_DEFAULT, job.Printer.c_str(), job.Title.c_str(), count, options);
    cupsFreeOptions(count, options);
    if (id == 0) {
        reason = Why(HTTP_STATUS_OK);
        return false;
    }
    http_status_t http =
        cupsStartDocument(CUPS_HTTP_DEFAULT, job.Printer.c_str(), id, job.Title.c_str(), CUPS_FORMAT_PDF, 1);
    constexpr std::size_t Chunk = 64 * 1024;
    for (std::size_t at = 0; http == HTTP_STATUS_CONTINUE && at < job.Size; at += Chunk)
        http = cupsWriteRequestData(CUPS_HTTP_DEFAULT, job.Pdf + at, std::min(Chunk, job.Size - at));
    // The document's end is only read once all of it went out.
    const bool ok = http == HTTP_STATUS_CONTINUE &&
                    cupsFinishDocument(CUPS_HTTP_DEFAULT, job.Printer.c_str()) <= IPP_STATUS_OK_CONFLICTING;
    if (!ok) {
        reason = Why(http);
        cupsCancelJob2(CUPS_HTTP_DEFAULT, job.Printer.c_str(), id, 0);
    }
    return ok;
}
