#include "tests/data/DataFixtures.h"

#include "data/SqliteDatabase.h"
#include "tests/common/TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace quillmoor::test {

std::string FixturePath(const std::string& ending) {
  const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string name = std::string("data-") + info->test_suite_name() + "-" + info->name() + ending;
  for (char& c : name) {
    if (c == '/') c = '_';
  }
  const std::string path = fixtureDir().toStdString() + "/" + name;
  std::filesystem::remove(path);
  return path;
}

void WriteFile(const std::string& path, const std::string& content) {
  std::ofstream(path, std::ios::binary) << content;
}

std::string ReadFile(const std::string& path) {
  std::ostringstream content;
  content << std::ifstream(path, std::ios::binary).rdbuf();
  return content.str();
}

std::string MakePathSheet(const std::string& tsv, const QStringList& options,
                          const std::string& ending) {
  const std::string tsvPath = FixturePath(ending + ".tsv");
  const std::string sheetPath = FixturePath(ending);
  WriteFile(tsvPath, tsv);
  const QStringList args =
      QStringList{sourceDir() + "/tools/make-path-sheet.py", QString::fromStdString(tsvPath),
                  QString::fromStdString(sheetPath)} +
      options;
  const ProcessResult made = runProcess("/usr/bin/python3", args);
  EXPECT_EQ(made.exitCode, 0) << made.err.toStdString();
  return sheetPath;
}

void MakeKeyedDatabase(const std::string& path, const std::string& key, const std::string& sql) {
  SqliteDatabase database;
  ASSERT_TRUE(database.OpenWithKey(path, true, key)) << database.ErrorText();
  ASSERT_TRUE(database.Exec(sql)) << database.ErrorText();
}

}  // namespace quillmoor::test
