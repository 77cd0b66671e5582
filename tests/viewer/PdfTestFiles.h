#pragma once
// Where the engine's tests find their PDFs: the sample atlases the build draws
// beside the program, and the fixtures it writes under fixtures/pdf/.

#include "tests/common/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QImage>

#include <cctype>
#include <string>

namespace quillmoor::test {

// `relative` to the program's directory, e.g. "16G101-1.pdf" or "atlases/16G362.pdf".
inline std::string SampleAtlas(const char* relative) {
  return QDir(programDir()).filePath(QString::fromUtf8(relative)).toStdString();
}

inline std::string PdfFixture(const char* name) {
  return QDir(fixtureDir()).filePath(QStringLiteral("pdf/") + QString::fromUtf8(name)).toStdString();
}

// The whole file; empty when it cannot be read.
inline QByteArray ReadFileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A file name as a test name: letters and digits, the rest as '_'.
inline std::string TestNameOf(const char* fileName) {
  std::string name;
  for (const char* c = fileName; *c; ++c) name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
  return name;
}

// Pixels of a rendered page that are not pure white.
inline long long InkedPixels(const QImage& image) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
  long long inked = 0;
  for (int y = 0; y < rgb.height(); ++y) {
    const uchar* row = rgb.constScanLine(y);
    for (int x = 0; x < rgb.width() * 3; x += 3)
      if (row[x] != 0xff || row[x + 1] != 0xff || row[x + 2] != 0xff) ++inked;
  }
  return inked;
}

}  // namespace quillmoor::test
