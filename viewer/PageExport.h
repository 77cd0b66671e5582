#pragma once
// The export button: the page shown, saved as a JPEG picture at 300 dpi where
// the user chooses.

#include <string>

namespace quillmoor {

class DocumentSession;

inline constexpr double kExportDpi = 300.0;

// Writes page `page` of the open document as a JPEG file at `dpi`, the
// resolution recorded in its header. False when nothing was written: no such
// page, a picture too large to make, or a file that cannot be written (which
// then leaves no partial file behind).
bool writePagePicture(const DocumentSession& session, int page, const std::string& path,
                      double dpi = kExportDpi);

// The export button's handler: asks for the file, then writes the current
// page there. A cancelled dialog writes nothing; nothing is shown afterwards.
void exportPage(const DocumentSession& session);

}  // namespace quillmoor
