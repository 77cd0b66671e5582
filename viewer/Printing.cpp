#include "viewer/Printing.h"

#include "platform/UiDialogs.h"
#include "util/DiagnosticOutput.h"
#include "util/RegexHelper.h"
#include "viewer/DocumentSession.h"
#include "viewer/PageView.h"

#include <QString>

namespace quillmoor {
namespace {

// The shortest run between two double quotes, the quotes written as the
// placeholder.
constexpr char kQuotedNamePattern[] = "#引号(.*?)#引号";

}  // namespace

std::string choosePrinter(const std::string& printerList) {
  RegexHelper regex;
  if (!regex.Search(kQuotedNamePattern, printerList, /*caseSensitive=*/false, /*multiline=*/false,
                    /*global=*/true, /*quotePlaceholder=*/true))
    return "0";
  if (regex.MatchCount() == 0) return "1";
  return regex.SubMatch(1, 1);
}

void printCurrentPage(const DocumentSession& session, const PageView& view) {
  ShowMessage(QString::fromUtf8(kPrintNotice), QString::fromUtf8(kPrintNoticeTitle));
  const std::string printer = choosePrinter(session.printerNames());
  const std::string pageRange = std::to_string(view.readPageBox());
  const bool printed = session.printPages(printer, pageRange, kPrintJobTitle);
  DiagnosticOutput(printed ? "The pages were printed successfully" : "An error occurred");
}

}  // namespace quillmoor
