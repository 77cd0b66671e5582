#include "tests/printing/CupsTestServer.h"

#include "tests/common/TestSupport.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <pwd.h>
#include <unistd.h>

namespace quillmoor::test {
namespace {

constexpr char kCupsd[] = "/usr/sbin/cupsd";
constexpr char kPdfPrinterModel[] = "lsb/usr/cups-pdf/CUPS-PDF_opt.ppd";

// No network listener, no printer sharing or discovery, no authentication:
// the socket lives in a folder only this test knows.
constexpr char kCupsdConf[] = R"(Listen @DIR@/cups.sock
LogLevel warn
Browsing No
BrowseLocalProtocols none
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
)";

constexpr char kCupsFilesConf[] = R"(ServerRoot @DIR@/etc
RequestRoot @DIR@/spool
CacheDir @DIR@/cache
StateDir @DIR@/state
AccessLog @DIR@/log/access_log
ErrorLog @DIR@/log/error_log
PageLog @DIR@/log/page_log
FileDevice No
SystemGroup root
)";

bool WriteFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QString Failure(const QString& what, const ProcessResult& result) {
  return what + QStringLiteral(" failed (exit ") + QString::number(result.exitCode) + QStringLiteral("): ") +
         QString::fromUtf8(result.err);
}

}  // namespace

QString CupsPdfOutputDir() {
  const passwd* user = getpwuid(geteuid());
  return user ? QDir(QString::fromLocal8Bit(user->pw_dir)).filePath(QStringLiteral("PDF")) : QString();
}

QString CupsTestServerUnavailable() {
  if (geteuid() != 0) return QStringLiteral("the cups-pdf backend and a private cupsd need root");
  if (!QFileInfo::exists(QString::fromLatin1(kCupsd))) return QStringLiteral("cupsd is not installed");
  return {};
}

CupsTestServer::CupsTestServer() : hadServer_(qEnvironmentVariableIsSet("CUPS_SERVER")) {
  previousServer_ = qgetenv("CUPS_SERVER");
}

CupsTestServer::~CupsTestServer() {
  if (cupsd_.state() != QProcess::NotRunning) {
    cupsd_.terminate();  // SIGTERM to the pid we started
    if (!cupsd_.waitForFinished(10000)) {
      cupsd_.kill();
      cupsd_.waitForFinished();
    }
  }
  if (hadServer_) qputenv("CUPS_SERVER", previousServer_);
  else qunsetenv("CUPS_SERVER");
  cupsSetServer(nullptr);
}

QString CupsTestServer::socketPath() const { return dir_.filePath(QStringLiteral("cups.sock")); }

QString CupsTestServer::errorLog() const {
  QFile log(dir_.filePath(QStringLiteral("log/error_log")));
  return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString();
}

QString CupsTestServer::writeConfiguration() {
  if (!dir_.isValid()) return QStringLiteral("no temporary directory");
  // The filters run as the lp user and must reach the spool below it.
  QFile::setPermissions(dir_.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                                         QFileDevice::ExeGroup | QFileDevice::ExeOther);
  for (const char* sub : {"etc", "spool", "cache", "state", "log"}) QDir(dir_.path()).mkpath(QString::fromLatin1(sub));
  const QByteArray dir = dir_.path().toUtf8();
  if (!WriteFile(dir_.filePath(QStringLiteral("cupsd.conf")), QByteArray(kCupsdConf).replace("@DIR@", dir)) ||
      !WriteFile(dir_.filePath(QStringLiteral("cups-files.conf")), QByteArray(kCupsFilesConf).replace("@DIR@", dir)))
    return QStringLiteral("cannot write the scheduler's configuration");
  return {};
}

void CupsTestServer::pointClientsHere() {
  qputenv("CUPS_SERVER", socketPath().toUtf8());
  cupsSetServer(socketPath().toUtf8().constData());  // libcups may have read the old one already
}

QString CupsTestServer::start() {
  if (QString error = writeConfiguration(); !error.isEmpty()) return error;
  pointClientsHere();
  // What it has to say goes to its error_log.
  cupsd_.setStandardOutputFile(QProcess::nullDevice());
  cupsd_.setStandardErrorFile(QProcess::nullDevice());
  cupsd_.start(QString::fromLatin1(kCupsd), {QStringLiteral("-f"), QStringLiteral("-c"),
                                              dir_.filePath(QStringLiteral("cupsd.conf")), QStringLiteral("-s"),
                                              dir_.filePath(QStringLiteral("cups-files.conf"))});
  if (!cupsd_.waitForStarted(5000)) return QStringLiteral("cupsd did not start");
  const QDeadlineTimer deadline(15000);
  while (!deadline.hasExpired() && cupsd_.state() == QProcess::Running) {
    if (runProcess(QStringLiteral("lpstat"), {QStringLiteral("-r")}).out.contains("scheduler is running")) return {};
    QThread::msleep(50);
  }
  return QStringLiteral("the scheduler never answered: ") + errorLog();
}

QString CupsTestServer::addPdfQueue(const QString& name) {
  const ProcessResult result =
      runProcess(QStringLiteral("lpadmin"),
                 {QStringLiteral("-p"), name, QStringLiteral("-E"), QStringLiteral("-v"), QStringLiteral("cups-pdf:/"),
                  QStringLiteral("-m"), QString::fromLatin1(kPdfPrinterModel),
                  // Ghostscript's PostScript conversion turns pages that carry a
                  // transparency group (as cairo's do) into one picture; poppler's
                  // cairo renderer keeps text and lines.
                  QStringLiteral("-o"), QStringLiteral("pdftops-renderer-default=pdftocairo")});
  return result.exitCode == 0 ? QString() : Failure(QStringLiteral("lpadmin -p ") + name, result);
}

QString CupsTestServer::setDefaultQueue(const QString& name) {
  const ProcessResult result = runProcess(QStringLiteral("lpadmin"), {QStringLiteral("-d"), name});
  return result.exitCode == 0 ? QString() : Failure(QStringLiteral("lpadmin -d ") + name, result);
}

std::vector<CupsJob> CupsTestServer::jobs() const {
  cups_job_t* list = nullptr;
  const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &list, nullptr, 0, CUPS_WHICHJOBS_ALL);
  std::vector<CupsJob> result;
  for (int i = 0; i < count; ++i) result.push_back({list[i].id, QString::fromUtf8(list[i].title), list[i].state});
  cupsFreeJobs(count, list);
  return result;
}

bool CupsTestServer::waitUntilFinished(int id, int timeoutMs) const {
  const QDeadlineTimer deadline(timeoutMs);
  while (!deadline.hasExpired()) {
    for (const CupsJob& job : jobs())
      if (job.id == id && job.state >= IPP_JSTATE_CANCELED) return true;
    QThread::msleep(100);
  }
  return false;
}

}  // namespace quillmoor::test
