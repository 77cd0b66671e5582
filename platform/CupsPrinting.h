#pragma once
// Print queues and print jobs through CUPS, for the PDF engine layer.
// The scheduler is the one libcups chooses: the CUPS_SERVER environment
// variable, then the user's client.conf, then the local scheduler.
// Failures are results; nothing here shows anything.

#include <string>

namespace quillmoor {

// The queue names, each between double quotes, one a line, the default queue
// first. Empty when there is no queue or no scheduler answers.
std::string CupsPrinterNames();

// Whether `pageRange` names pages of a document of `pageCount` pages: page
// numbers and spans "a-b" (a <= b) separated by commas, all within 1 to
// `pageCount`, nothing else.
bool IsPageRangeWithin(const std::string& pageRange, int pageCount);

// Sends the PDF file itself to the queue `printer`, asking for the pages of
// `pageRange` only, under the job title `title`: the printer's own drivers
// draw the pages, so drawings stay vector at the printer's resolution.
// The CUPS job id, or 0 when the queue did not accept the job.
int CupsPrintPdf(const std::string& printer, const std::string& pdfPath, const std::string& pageRange,
                 const std::string& title);

}  // namespace quillmoor
