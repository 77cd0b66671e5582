#include "viewer/PageExport.h"

#include "util/DiagnosticOutput.h"
#include "util/DialogHelper.h"
#include "viewer/DocumentSession.h"

namespace quillmoor {
namespace {

constexpr char kDialogTitle[] = "请选择图片的保存位置";
constexpr char kDefaultName[] = "Quillmoor图片";
constexpr char kFilter[] = "图片文件(*.jpg)|*.jpg";
constexpr char kDefaultExtension[] = ".jpg";

std::string AskForPicturePath() {
  return DialogHelper().SaveFile(/*preview=*/false, kDialogTitle, kDefaultName, kFilter, DesktopFolder(),
                                 kDefaultExtension, /*overwritePrompt=*/true, /*pathMustExist=*/true);
}

}  // namespace

bool writePagePicture(const DocumentSession& session, int page, const std::string& path, double dpi) {
  if (session.writePageJpeg(page, dpi, path)) return true;
  DiagnosticOutput("Page " + std::to_string(page) + " was not written to " + path);
  return false;
}

void exportPage(const DocumentSession& session) {
  const std::string path = AskForPicturePath();
  if (path.empty()) return;  // cancelled: there is nowhere to write
  writePagePicture(session, session.currentPage(), path);
}

}  // namespace quillmoor
