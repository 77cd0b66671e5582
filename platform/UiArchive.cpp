#include "platform/UiArchive.h"

#include <zip.h>

namespace quillmoor {
namespace {

// No UI resource comes near this; a damaged header claiming more is refused
// before anything is allocated for it.
constexpr zip_uint64_t kLargestEntry = 64ull * 1024 * 1024;

QString ZipErrorText(zip_error_t* error) { return QString::fromUtf8(zip_error_strerror(error)); }

void SetError(QString* error, const QString& text) {
  if (error) *error = text;
}

}  // namespace

UiArchive::UiArchive(QByteArray bytes, zip* archive) : bytes_(std::move(bytes)), archive_(archive) {}

UiArchive::~UiArchive() { zip_discard(archive_); }

std::unique_ptr<UiArchive> UiArchive::fromBytes(const QByteArray& bytes, const QByteArray& password,
                                                QString* error) {
  zip_error_t zipError;
  zip_error_init(&zipError);
  zip_source_t* source = zip_source_buffer_create(bytes.constData(), bytes.size(), 0, &zipError);
  if (!source) {
    SetError(error, QStringLiteral("UI archive: ") + ZipErrorText(&zipError));
    zip_error_fini(&zipError);
    return nullptr;
  }
  zip* archive = zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &zipError);
  if (!archive) {
    SetError(error, QStringLiteral("UI archive is damaged: ") + ZipErrorText(&zipError));
    zip_source_free(source);
    zip_error_fini(&zipError);
    return nullptr;
  }
  zip_error_fini(&zipError);
  zip_set_default_password(archive, password.constData());
  return std::unique_ptr<UiArchive>(new UiArchive(bytes, archive));
}

std::optional<QByteArray> UiArchive::read(const QString& entry, QString* error) const {
  const QByteArray name = entry.toUtf8();
  zip_stat_t stat;
  zip_stat_init(&stat);
  if (zip_stat(archive_, name.constData(), 0, &stat) != 0 || !(stat.valid & ZIP_STAT_SIZE)) {
    SetError(error, QStringLiteral("UI archive has no entry %1").arg(entry));
    return std::nullopt;
  }
  if (stat.size > kLargestEntry) {
    SetError(error, QStringLiteral("UI archive entry %1 is implausibly large").arg(entry));
    return std::nullopt;
  }
  zip_file_t* file = zip_fopen(archive_, name.constData(), 0);
  if (!file) {
    SetError(error, QStringLiteral("UI archive entry %1: %2")
                        .arg(entry, ZipErrorText(zip_get_error(archive_))));
    zip_error_clear(archive_);
    return std::nullopt;
  }
  QByteArray content(static_cast<qsizetype>(stat.size), Qt::Uninitialized);
  const zip_int64_t got = zip_fread(file, content.data(), stat.size);
  // A read of exactly the size may still hide a bad checksum; one more read
  // makes libzip verify the end of the entry.
  char probe;
  const bool sound = got == static_cast<zip_int64_t>(stat.size) && zip_fread(file, &probe, 1) == 0;
  if (!sound) {
    SetError(error, QStringLiteral("UI archive entry %1 is damaged: %2")
                        .arg(entry, ZipErrorText(zip_file_get_error(file))));
    zip_fclose(file);
    return std::nullopt;
  }
  zip_fclose(file);
  return content;
}

QStringList UiArchive::entries() const {
  QStringList names;
  const zip_int64_t count = zip_get_num_entries(archive_, 0);
  for (zip_int64_t i = 0; i < count; ++i) {
    if (const char* name = zip_get_name(archive_, static_cast<zip_uint64_t>(i), 0))
      names << QString::fromUtf8(name);
  }
  return names;
}

}  // namespace quillmoor
