#include "tests/shell/UrlRecorder.h"

#include <QDesktopServices>

namespace quillmoor::test {
namespace {

const char* const kSchemes[] = {"http", "https", "tencent"};

}  // namespace

UrlRecorder::UrlRecorder() {
  for (const char* scheme : kSchemes) QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "open");
}

UrlRecorder::~UrlRecorder() {
  for (const char* scheme : kSchemes) QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
}

}  // namespace quillmoor::test
