#pragma once
// Ways to damage a file for the bad-file tables, all repeatable: random
// content comes from a fixed seed.

#include <QByteArray>
#include <QString>

namespace quillmoor::test {

// Writes `bytes` as the whole file; false when it cannot be written.
bool WriteBytes(const QString& path, const QByteArray& bytes);

// Puts the file that `bytes` makes at `path`, for tables of ways to place a
// file; false when there is nothing to write or it cannot be written.
template <QByteArray (*bytes)()>
bool WrittenFrom(const QString& path) {
  const QByteArray content = bytes();
  return !content.isEmpty() && WriteBytes(path, content);
}

// Things that stand where a file is expected and are no file: a named pipe
// (which blocks whoever opens it for reading) and a directory.
bool MakeNamedPipe(const QString& path);
bool MakeDirectory(const QString& path);

// `count` bytes from a generator seeded with `seed`.
QByteArray RandomBytes(qsizetype count, unsigned seed);

// `bytes` with `flips` single bits inverted at places drawn from `seed`,
// none of them in the first `keep` bytes.
QByteArray FlipBits(QByteArray bytes, int flips, unsigned seed, qsizetype keep = 0);

// A zip archive with one byte inverted inside the stored data of `entry`
// (found through its local header); empty when there is no such entry.
QByteArray DamageZipEntry(QByteArray archive, const QString& entry);

}  // namespace quillmoor::test
