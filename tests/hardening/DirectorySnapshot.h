#pragma once
// What a directory tree holds, to tell afterwards that nothing was written
// there: every entry's name, kind, permissions, size, modification time and,
// for files, a hash of the content. A directory's own modification time
// changes when an entry is made or removed in it, so a file written and
// deleted again is seen too.

#include <QByteArray>
#include <QString>

#include <map>
#include <string>

namespace quillmoor::test {

struct EntryFacts {
  bool isDirectory = false;
  unsigned mode = 0;  // permission bits
  long long size = 0;
  long long modifiedNs = 0;
  QByteArray contentHash;  // files only

  bool operator==(const EntryFacts&) const = default;
};

class DirectorySnapshot {
 public:
  // The tree under `root`, the root itself included (as ".").
  static DirectorySnapshot Take(const QString& root);

  // One line per entry added, removed or changed since `before`; empty when
  // the two agree. Without `directoryTimes`, a directory whose entries are
  // the same counts as unchanged: a file made and removed again in it (a
  // database journal of a refused write, say) is let pass.
  std::string ChangesSince(const DirectorySnapshot& before, bool directoryTimes = true) const;

  std::size_t EntryCount() const { return entries_.size(); }

 private:
  std::map<QString, EntryFacts> entries_;  // by path relative to the root
};

}  // namespace quillmoor::test
