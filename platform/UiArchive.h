#pragma once
// Read access to the AES-256 encrypted zip that carries the UI resources.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

struct zip;

namespace quillmoor {

class UiArchive {
 public:
  ~UiArchive();
  UiArchive(const UiArchive&) = delete;
  UiArchive& operator=(const UiArchive&) = delete;

  // Opens an archive held in memory; `bytes` may be raw data that stays valid
  // for the life of the process (the embedded archive). Null with `error` set
  // when the bytes are not a sound zip archive.
  static std::unique_ptr<UiArchive> fromBytes(const QByteArray& bytes, const QByteArray& password,
                                              QString* error);

  // The bytes of one entry, decrypted; nothing (with `error` set) for a
  // missing entry, a wrong password or damaged data.
  std::optional<QByteArray> read(const QString& entry, QString* error = nullptr) const;

  QStringList entries() const;

 private:
  UiArchive(QByteArray bytes, zip* archive);

  QByteArray bytes_;
  zip* archive_;
};

}  // namespace quillmoor
