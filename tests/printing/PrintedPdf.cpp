#include "tests/printing/PrintedPdf.h"

#include "tests/common/TestSupport.h"
#include "tests/printing/CupsTestServer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace quillmoor::test {
namespace {

QFileInfoList PdfFilesIn(const QString& folder) {
  return QDir(folder).entryInfoList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Time);  // newest first
}

}  // namespace

NewPdfFiles::NewPdfFiles(QString folder) : folder_(std::move(folder)) {
  for (const QFileInfo& file : PdfFilesIn(folder_)) before_.insert(file.fileName(), file.lastModified());
}

NewPdfFiles::~NewPdfFiles() {
  for (const QString& name : appeared()) QFile::remove(QDir(folder_).filePath(name));
}

QStringList NewPdfFiles::appeared() const {
  QStringList names;
  for (const QFileInfo& file : PdfFilesIn(folder_)) {
    const auto known = before_.constFind(file.fileName());
    if (known == before_.cend() || *known != file.lastModified()) names << file.fileName();
  }
  return names;
}

QString NewPdfFiles::newest() const {
  const QStringList names = appeared();
  return names.isEmpty() ? QString() : QDir(folder_).filePath(names.front());
}

PrintOutcome AwaitFirstJob(const CupsTestServer& server, const NewPdfFiles& output) {
  const std::vector<CupsJob> jobs = server.jobs();
  PrintOutcome outcome;
  outcome.jobs = static_cast<int>(jobs.size());
  if (jobs.empty()) return outcome;
  outcome.title = jobs.front().title;
  if (server.waitUntilFinished(jobs.front().id)) outcome.file = output.newest();
  return outcome;
}

QString DefaultAtlasFile() { return QDir(programDir()).filePath(QStringLiteral("16G101-1.pdf")); }

QString PdfText(const QString& file, int page) {
  QStringList args;
  if (page > 0) args << QStringLiteral("-f") << QString::number(page) << QStringLiteral("-l") << QString::number(page);
  args << file << QStringLiteral("-");
  return QString::fromUtf8(runProcess(QStringLiteral("pdftotext"), args).out);
}

int PdfPageCount(const QString& file) { return static_cast<int>(PdfText(file).count(QLatin1Char('\f'))); }

QStringList SortedWords(const QString& text) {
  QStringList words = text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
  std::sort(words.begin(), words.end());
  return words;
}

}  // namespace quillmoor::test
