#include "platform/UiResources.h"

#include <QFile>
#include <QFileInfo>
#include <QResource>

namespace quillmoor {
namespace {

constexpr char kEmbeddedArchivePath[] = ":/quillmoor/ui.zip";

void SetError(QString* error, const QString& text) {
  if (error) *error = text;
}

// The whole file. Something else under the name (a named pipe would hold the
// open for ever, waiting for a writer) is refused before it is opened.
std::optional<QByteArray> ReadWholeFile(const QString& path, QString* error) {
  const QFileInfo info(path);
  if (info.exists() && !info.isFile()) {
    SetError(error, QStringLiteral("cannot read %1: not a regular file").arg(path));
    return std::nullopt;
  }
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    SetError(error, QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
    return std::nullopt;
  }
  return file.readAll();
}

}  // namespace

UiResources::UiResources(ResourceMode mode, QDir looseDir, std::unique_ptr<UiArchive> archive)
    : mode_(mode), looseDir_(std::move(looseDir)), archive_(std::move(archive)) {}

QByteArray UiResources::embeddedArchive() {
  // Stored uncompressed, so the resource's data is the archive itself: no copy.
  const QResource resource(QString::fromLatin1(kEmbeddedArchivePath));
  if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression) return {};
  return QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()),
                                 static_cast<qsizetype>(resource.size()));
}

std::unique_ptr<UiResources> UiResources::openArchive(const QByteArray& bytes,
                                                      const QByteArray& password, QString* error) {
  std::unique_ptr<UiArchive> archive = UiArchive::fromBytes(bytes, password, error);
  if (!archive) return nullptr;
  std::unique_ptr<UiResources> resources(
      new UiResources(ResourceMode::EmbeddedArchive, QDir(), std::move(archive)));
  if (!resources->hasResourceIndex(error)) return nullptr;
  return resources;
}

std::unique_ptr<UiResources> UiResources::open(ResourceMode mode, const QString& programDir,
                                               const QByteArray& password, QString* error) {
  switch (mode) {
    case ResourceMode::LooseFiles: {
      std::unique_ptr<UiResources> resources(new UiResources(mode, QDir::current(), nullptr));
      if (!resources->hasResourceIndex(error)) return nullptr;
      return resources;
    }
    case ResourceMode::EmbeddedArchive: {
      const QByteArray bytes = embeddedArchive();
      if (bytes.isEmpty()) {
        SetError(error, QStringLiteral("the UI archive is missing from the executable"));
        return nullptr;
      }
      return openArchive(bytes, password, error);
    }
    case ResourceMode::ArchiveFile: {
      const std::optional<QByteArray> bytes =
          ReadWholeFile(QDir(programDir).filePath(QString::fromLatin1(kArchiveFileName)), error);
      if (!bytes) return nullptr;
      std::unique_ptr<UiResources> resources = openArchive(*bytes, password, error);
      if (resources) resources->mode_ = mode;
      return resources;
    }
  }
  SetError(error, QStringLiteral("unknown resource mode %1").arg(static_cast<int>(mode)));
  return nullptr;
}

bool UiResources::hasResourceIndex(QString* error) const {
  return read(QString::fromLatin1(kResourceIndexName), error).has_value();
}

std::optional<QByteArray> UiResources::read(const QString& name, QString* error) const {
  if (archive_) return archive_->read(name, error);
  return ReadWholeFile(looseDir_.filePath(name), error);
}

}  // namespace quillmoor
