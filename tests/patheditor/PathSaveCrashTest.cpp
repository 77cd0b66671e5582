// Saves are durable and atomic: a child process saving atlas paths one after
// another is killed (SIGKILL) at random moments, round after round; the
// catalogue must then be sound and hold every save the child reported done.

#include "data/SqliteDatabase.h"
#include "data/SqliteStatement.h"
#include "tests/catalogue/CatalogueFixtures.h"

#include "BuildConfig.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QThread>

#include <map>
#include <random>
#include <string>

namespace quillmoor {
namespace {

constexpr int kRounds = 16;
constexpr int kIds = 10;          // ids 1..kIds, saved over and over: inserts, then updates
constexpr int kSavesPerRound = 30;  // more than a round gets to before its kill, mostly

const test::CatalogueTables kCatalogue{"sublibid\tsublibname\tupsublibid\n1\t结构专业\t\n",
                                       "id\ttitle\tcode\tcode2\tClassID\n", std::nullopt};

// One file per round, so a row tells which round wrote it.
QString RoundFile(const QString& dir, int round) { return dir + "/round-" + QString::number(round) + ".pdf"; }

int RoundOf(const std::string& path) {
  const std::size_t dash = path.rfind('-');
  return dash == std::string::npos ? -1 : std::stoi(path.substr(dash + 1));
}

// The ids of one round: all of them in turn, starting at a different one each round.
QStringList RoundIds(int round) {
  QStringList ids;
  for (int k = 0; k < kSavesPerRound; ++k) ids << QString::number(1 + (round * 3 + k) % kIds);
  return ids;
}

// The ids in the child's complete "saved ID" lines; a line cut by the kill
// reports nothing.
QStringList ReportedIds(const QByteArray& output) {
  QList<QByteArray> lines = output.split('\n');
  lines.removeLast();  // after the last line end
  QStringList ids;
  for (const QByteArray& line : lines)
    if (line.startsWith("saved ")) ids << QString::fromLatin1(line.mid(6));
  return ids;
}

// Runs the child for one round and kills it once it has reported `reports`
// saves and a little more time has passed (it may finish first). The ids it
// reported saved, whenever it was stopped.
QStringList RunAndKill(const QString& db, const QString& file, const QStringList& ids, int reports,
                       int extraMicros) {
  QProcess child;
  child.start(QStringLiteral(SAVE_PATHS_CHILD), QStringList{db, file} + ids);
  if (!child.waitForStarted()) return {};
  QByteArray output;
  while (output.count('\n') < reports && child.state() == QProcess::Running) {
    child.waitForReadyRead(5000);
    output += child.readAllStandardOutput();
  }
  QThread::usleep(static_cast<unsigned long>(extraMicros));
  child.kill();
  child.waitForFinished();
  // Finished before the kill: it must have saved everything.
  if (child.exitStatus() == QProcess::NormalExit) {
    EXPECT_EQ(child.exitCode(), 0) << child.readAllStandardError().toStdString();
  }
  output += child.readAllStandardOutput();
  return ReportedIds(output);
}

TEST(PathSaveCrash, EveryReportedSaveSurvivesAKill) {
  const QString dir = test::MakeCatalogueDir("crash", kCatalogue);
  const QString db = dir + "/struct.dll";
  for (int round = 0; round < kRounds; ++round) {
    QFile file(RoundFile(dir, round));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  }
  const unsigned seed = std::random_device()();
  SCOPED_TRACE("seed " + std::to_string(seed));
  std::mt19937 random(seed);
  std::map<std::string, int> lastReported;  // id -> round
  for (int round = 0; round < kRounds; ++round) {
    const int reports = std::uniform_int_distribution<int>(0, kSavesPerRound / 3)(random);
    const int extraMicros = std::uniform_int_distribution<int>(0, 3000)(random);
    for (const QString& id : RunAndKill(db, RoundFile(dir, round), RoundIds(round), reports, extraMicros))
      lastReported[id.toStdString()] = round;
  }

  SqliteDatabase database;
  SqliteStatement statement;
  ASSERT_TRUE(database.OpenWithKey(db.toStdString(), build::kResourcePassword)) << database.ErrorText();
  ASSERT_TRUE(statement.BindDatabase(database));
  TextGrid grid;
  int rowCount = 0;
  ASSERT_TRUE(statement.QueryToGrid("PRAGMA integrity_check", grid, &rowCount));
  ASSERT_EQ(rowCount, 2);
  EXPECT_EQ(grid[2][1], "ok");

  ASSERT_TRUE(statement.QueryToGrid("select id,path from Filepath", grid, &rowCount));
  std::map<std::string, int> stored;  // id -> round
  for (int r = 2; r <= rowCount; ++r) {
    EXPECT_FALSE(stored.count(grid[r][1])) << "two rows for id " << grid[r][1];
    stored[grid[r][1]] = RoundOf(grid[r][2]);
  }
  // A reported save is there, or a later round's save that was done but not
  // yet reported when the child was killed.
  for (const auto& [id, round] : lastReported) {
    ASSERT_TRUE(stored.count(id)) << "the save of id " << id << " in round " << round << " is lost";
    EXPECT_GE(stored[id], round) << "id " << id;
  }
}

}  // namespace
}  // namespace quillmoor
