#include "platform/CupsPrinting.h"

#include "util/DiagnosticOutput.h"

#include <cups/cups.h>

#include <charconv>
#include <fstream>
#include <string_view>

namespace quillmoor {
namespace {

std::string Quoted(const char* name) { return std::string("\"") + name + "\""; }

// A page number of 1 to pageCount, all digits.
bool ReadPage(std::string_view text, int pageCount, int* page) {
  if (text.empty() || text.front() < '0' || text.front() > '9') return false;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), *page);
  return error == std::errc() && end == text.data() + text.size() && *page >= 1 && *page <= pageCount;
}

bool IsSpanWithin(std::string_view span, int pageCount) {
  const std::size_t dash = span.find('-');
  int first = 0;
  int last = 0;
  if (dash == std::string_view::npos) return ReadPage(span, pageCount, &first);
  return ReadPage(span.substr(0, dash), pageCount, &first) && ReadPage(span.substr(dash + 1), pageCount, &last) &&
         first <= last;
}

}  // namespace

std::string CupsPrinterNames() {
  cups_dest_t* dests = nullptr;
  const int count = cupsGetDests2(CUPS_HTTP_DEFAULT, &dests);
  std::string defaultName;
  std::string others;
  for (int i = 0; i < count; ++i) {
    // Instances are option sets of a queue, not queues of their own.
    if (dests[i].instance) continue;
    if (dests[i].is_default) defaultName = Quoted(dests[i].name);
    else others += Quoted(dests[i].name) + "\n";
  }
  cupsFreeDests(count, dests);
  return defaultName.empty() ? others : defaultName + "\n" + others;
}

bool IsPageRangeWithin(const std::string& pageRange, int pageCount) {
  if (pageRange.empty()) return false;
  std::string_view rest = pageRange;
  for (;;) {
    const std::size_t comma = rest.find(',');
    if (!IsSpanWithin(rest.substr(0, comma), pageCount)) return false;
    if (comma == std::string_view::npos) return true;
    rest.remove_prefix(comma + 1);
  }
}

int CupsPrintPdf(const std::string& printer, const std::string& pdfPath, const std::string& pageRange,
                 const std::string& title) {
  // CUPS would create the job before finding the file unreadable and leave
  // a cancelled job in the queue's history.
  if (!std::ifstream(pdfPath, std::ios::binary).is_open()) return 0;
  cups_option_t* options = nullptr;
  const int optionCount = cupsAddOption("page-ranges", pageRange.c_str(), 0, &options);
  const int job = cupsPrintFile2(CUPS_HTTP_DEFAULT, printer.c_str(), pdfPath.c_str(), title.c_str(), optionCount,
                                 options);
  cupsFreeOptions(optionCount, options);
  if (job == 0) DiagnosticOutput("Printing to " + printer + ": " + cupsLastErrorString());
  return job;
}

}  // namespace quillmoor
