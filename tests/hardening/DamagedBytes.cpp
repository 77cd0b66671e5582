#include "tests/hardening/DamagedBytes.h"

#include <QDir>
#include <QFile>

#include <sys/stat.h>

#include <random>

namespace quillmoor::test {
namespace {

constexpr qsizetype kLocalHeaderSize = 30;
constexpr char kLocalHeaderSignature[] = "PK\x03\x04";

// A little-endian 16-bit field.
quint16 Read16(const QByteArray& bytes, qsizetype at) {
  return static_cast<quint16>(static_cast<uchar>(bytes.at(at)) | static_cast<uchar>(bytes.at(at + 1)) << 8);
}

// Where the stored data of `entry` begins, or -1.
qsizetype EntryDataStart(const QByteArray& archive, const QByteArray& entry) {
  for (qsizetype header = archive.indexOf(kLocalHeaderSignature); header >= 0;
       header = archive.indexOf(kLocalHeaderSignature, header + 4)) {
    if (header + kLocalHeaderSize > archive.size()) return -1;
    const quint16 nameLength = Read16(archive, header + 26);
    const quint16 extraLength = Read16(archive, header + 28);
    if (archive.mid(header + kLocalHeaderSize, nameLength) == entry)
      return header + kLocalHeaderSize + nameLength + extraLength;
  }
  return -1;
}

}  // namespace

bool WriteBytes(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

bool MakeNamedPipe(const QString& path) { return ::mkfifo(QFile::encodeName(path).constData(), 0644) == 0; }

bool MakeDirectory(const QString& path) { return QDir().mkdir(path); }

QByteArray RandomBytes(qsizetype count, unsigned seed) {
  std::mt19937 generator(seed);
  QByteArray bytes(count, '\0');
  for (char& byte : bytes) byte = static_cast<char>(generator());
  return bytes;
}

QByteArray FlipBits(QByteArray bytes, int flips, unsigned seed, qsizetype keep) {
  if (bytes.size() <= keep) return bytes;
  std::mt19937 generator(seed);
  std::uniform_int_distribution<qsizetype> place(keep, bytes.size() - 1);
  std::uniform_int_distribution<int> bit(0, 7);
  for (int i = 0; i < flips; ++i) {
    const qsizetype at = place(generator);
    bytes[at] = static_cast<char>(bytes[at] ^ (1 << bit(generator)));
  }
  return bytes;
}

QByteArray DamageZipEntry(QByteArray archive, const QString& entry) {
  const qsizetype start = EntryDataStart(archive, entry.toUtf8());
  // Past the AES salt and password check, inside the encrypted content.
  const qsizetype at = start + 24;
  if (start < 0 || at >= archive.size()) return {};
  archive[at] = static_cast<char>(archive[at] ^ 0x01);
  return archive;
}

}  // namespace quillmoor::test
