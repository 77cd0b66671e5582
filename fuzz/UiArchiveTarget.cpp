// The UI archive reader on arbitrary bytes, opened with the program's own
// password as start-up does, every entry read.

#include "fuzz/FuzzTargets.h"
#include "platform/UiArchive.h"

#include "BuildConfig.h"

namespace quillmoor::fuzz {

int UiArchiveInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  QString error;
  const std::unique_ptr<UiArchive> archive =
      UiArchive::fromBytes(bytes, QByteArray(build::kResourcePassword), &error);
  if (!archive) return 0;
  for (const QString& entry : archive->entries()) (void)archive->read(entry, &error);
  return 0;
}

}  // namespace quillmoor::fuzz
