#pragma once
// The screenshots of one test case, kept for review: numbered PNG files in
// <build>/e2e-screenshots/<case>/, each path printed as it is written.

#include <QImage>
#include <QString>

namespace quillmoor::e2e {

class ScreenshotLog {
 public:
  // Empties the case's folder, so that it shows this run only.
  explicit ScreenshotLog(const QString& caseName);

  // Writes "NN-step.png"; its path, or an empty text when it could not be written.
  QString save(const QString& step, const QImage& picture);

 private:
  QString folder_;
  int count_ = 0;
};

}  // namespace quillmoor::e2e
