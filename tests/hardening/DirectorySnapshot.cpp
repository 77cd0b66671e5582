#include "tests/hardening/DirectorySnapshot.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>

#include <sys/stat.h>

namespace quillmoor::test {
namespace {

QByteArray HashOf(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return QByteArrayLiteral("(unreadable)");
  QCryptographicHash hash(QCryptographicHash::Sha256);
  hash.addData(&file);
  return hash.result().toHex();
}

// lstat, so that a symbolic link is looked at and not followed.
EntryFacts FactsOf(const QString& path) {
  EntryFacts facts;
  struct stat info {};
  if (::lstat(QFile::encodeName(path).constData(), &info) != 0) return facts;
  facts.isDirectory = S_ISDIR(info.st_mode);
  facts.mode = info.st_mode & 07777;
  facts.size = facts.isDirectory ? 0 : static_cast<long long>(info.st_size);
  facts.modifiedNs = static_cast<long long>(info.st_mtim.tv_sec) * 1000000000LL + info.st_mtim.tv_nsec;
  if (S_ISREG(info.st_mode)) facts.contentHash = HashOf(path);
  return facts;
}

std::string Describe(const EntryFacts& facts) {
  if (facts.isDirectory) return "directory mode " + std::to_string(facts.mode) + " mtime " +
                                std::to_string(facts.modifiedNs);
  return std::to_string(facts.size) + " bytes, mode " + std::to_string(facts.mode) + ", mtime " +
         std::to_string(facts.modifiedNs) + ", sha256 " + facts.contentHash.left(12).toStdString();
}

bool Same(const EntryFacts& before, EntryFacts now, bool directoryTimes) {
  if (!directoryTimes && before.isDirectory && now.isDirectory) now.modifiedNs = before.modifiedNs;
  return now == before;
}

}  // namespace

DirectorySnapshot DirectorySnapshot::Take(const QString& root) {
  DirectorySnapshot snapshot;
  const QDir base(root);
  snapshot.entries_[QStringLiteral(".")] = FactsOf(root);
  QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                  QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString path = it.next();
    snapshot.entries_[base.relativeFilePath(path)] = FactsOf(path);
  }
  return snapshot;
}

std::string DirectorySnapshot::ChangesSince(const DirectorySnapshot& before, bool directoryTimes) const {
  std::string changes;
  for (const auto& [name, facts] : before.entries_) {
    const auto now = entries_.find(name);
    if (now == entries_.end())
      changes += "removed " + name.toStdString() + "\n";
    else if (!Same(facts, now->second, directoryTimes))
      changes += "changed " + name.toStdString() + ": " + Describe(facts) + " -> " + Describe(now->second) + "\n";
  }
  for (const auto& [name, facts] : entries_) {
    if (!before.entries_.count(name)) changes += "added " + name.toStdString() + ": " + Describe(facts) + "\n";
  }
  return changes;
}

}  // namespace quillmoor::test
