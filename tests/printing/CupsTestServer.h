#pragma once
// A CUPS scheduler of the test's own: cupsd in the foreground as a child
// process, configured, spooling and logging under a temporary directory and
// listening only on a socket there, so the machine's own printing is left
// alone. While it runs, this process and its children print to it.
// Its queues are cups-pdf virtual printers; cups-pdf writes each job as a
// PDF file into ~/PDF of the user who printed (see CupsPdfOutputDir).

#include <cups/cups.h>

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <vector>

namespace quillmoor::test {

struct CupsJob {
  int id = 0;
  QString title;
  ipp_jstate_t state = IPP_JSTATE_PENDING;
};

class CupsTestServer {
 public:
  CupsTestServer();
  // Stops cupsd by its process id and points libcups back at its default.
  ~CupsTestServer();
  CupsTestServer(const CupsTestServer&) = delete;
  CupsTestServer& operator=(const CupsTestServer&) = delete;

  // Starts cupsd and waits until `lpstat -r` says "scheduler is running".
  // Empty on success, else what went wrong.
  QString start();
  // Points this process and its children at this server's socket, running
  // or not (start does it too).
  void pointClientsHere();
  // Adds an enabled cups-pdf queue (lpadmin -p NAME -E -v cups-pdf:/ -m ...).
  QString addPdfQueue(const QString& name);
  QString setDefaultQueue(const QString& name);

  // Every job the scheduler knows, finished ones included.
  std::vector<CupsJob> jobs() const;
  // Waits until job `id` has finished (completed, cancelled or aborted).
  bool waitUntilFinished(int id, int timeoutMs = 30000) const;

  QString socketPath() const;
  QString errorLog() const;

 private:
  QString writeConfiguration();

  QTemporaryDir dir_;
  QProcess cupsd_;
  QByteArray previousServer_;
  bool hadServer_ = false;
};

// Where cups-pdf puts the jobs of the user running the tests.
QString CupsPdfOutputDir();

// Why this process cannot run its own scheduler with the cups-pdf backend
// (which only works for root); empty when it can.
QString CupsTestServerUnavailable();

}  // namespace quillmoor::test
