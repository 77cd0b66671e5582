#pragma once
// The named UI resource files, served from loose files or from the encrypted
// archive according to the resource mode.

#include "platform/ResourceMode.h"
#include "platform/UiArchive.h"

#include <QByteArray>
#include <QDir>
#include <QString>

#include <memory>
#include <optional>

namespace quillmoor {

class UiResources {
 public:
  // Null with `error` set when the archive of the mode cannot be opened with
  // the password, or lacks the resource index.
  static std::unique_ptr<UiResources> open(ResourceMode mode, const QString& programDir,
                                           const QByteArray& password, QString* error);

  // The same over archive bytes the caller holds (they must stay valid).
  static std::unique_ptr<UiResources> openArchive(const QByteArray& bytes,
                                                  const QByteArray& password, QString* error);

  std::optional<QByteArray> read(const QString& name, QString* error = nullptr) const;
  ResourceMode mode() const { return mode_; }

  // The archive compiled into the executable (empty when it is missing).
  static QByteArray embeddedArchive();

 private:
  UiResources(ResourceMode mode, QDir looseDir, std::unique_ptr<UiArchive> archive);
  bool hasResourceIndex(QString* error) const;

  ResourceMode mode_;
  QDir looseDir_;
  std::unique_ptr<UiArchive> archive_;
};

inline constexpr char kResourceIndexName[] = "resource.res";

}  // namespace quillmoor
