#pragma once
// Reading what a cups-pdf queue printed: its newest PDF file, the file's
// pages and their words.

#include <QDateTime>
#include <QHash>
#include <QString>
#include <QStringList>

namespace quillmoor::test {

class CupsTestServer;

// The PDF files that appear in a folder while it lives, or are written anew
// (cups-pdf names files after the job title and number, and a fresh scheduler
// numbers from 1 again); it removes them when it goes.
class NewPdfFiles {
 public:
  explicit NewPdfFiles(QString folder);
  ~NewPdfFiles();
  NewPdfFiles(const NewPdfFiles&) = delete;
  NewPdfFiles& operator=(const NewPdfFiles&) = delete;

  // The newest file that was not there at the start; empty when none.
  QString newest() const;

 private:
  QStringList appeared() const;

  QString folder_;
  QHash<QString, QDateTime> before_;  // name and time of change
};

// What one print left behind.
struct PrintOutcome {
  int jobs = 0;    // jobs the scheduler knows
  QString title;   // the first one's title
  QString file;    // the PDF cups-pdf wrote for it; empty when none
};

// Waits until the scheduler's first job has finished, then takes the newest
// new file of `output`.
PrintOutcome AwaitFirstJob(const CupsTestServer& server, const NewPdfFiles& output);

// The default atlas beside the built program: 24 A3 sheets, each titled "第N页".
QString DefaultAtlasFile();

// The text of one page (from 1), or of the whole file for page 0, as
// pdftotext reads it; a form feed ends each page.
QString PdfText(const QString& file, int page = 0);
int PdfPageCount(const QString& file);
// The words of a text, sorted: two printouts of one page have the same words
// even where their text comes out in another order.
QStringList SortedWords(const QString& text);

}  // namespace quillmoor::test
