// Every input kept from fuzzing runs through its target again: inputs that
// once crashed, hung or leaked, and inputs that reach the corners (a reader
// child brought down, an empty match at a CR LF). A fault shows as a crash or
// a sanitizer report in the sanitizer build.

#include "fuzz/FuzzTargets.h"
#include "tests/common/TestSupport.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

namespace quillmoor {
namespace {

struct Target {
  const char* name;  // its folder under fuzz/regressions/
  int (*entry)(const std::uint8_t*, std::size_t);
};

class KeptInputs : public testing::TestWithParam<Target> {};

TEST_P(KeptInputs, RunThroughTheirTarget) {
  const QDir folder(test::sourceDir() + "/fuzz/regressions/" + GetParam().name);
  const QStringList names = folder.entryList(QDir::Files, QDir::Name);
  ASSERT_FALSE(names.isEmpty()) << "no kept inputs in " << folder.path().toStdString();
  for (const QString& name : names) {
    SCOPED_TRACE(name.toStdString());
    QFile file(folder.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_EQ(GetParam().entry(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                               static_cast<std::size_t>(bytes.size())),
              0);
  }
}

INSTANTIATE_TEST_SUITE_P(Fuzz, KeptInputs,
                         testing::Values(Target{"pdf-engine", fuzz::PdfEngineInput},
                                         Target{"sheet", fuzz::SheetInput},
                                         Target{"ui-archive", fuzz::UiArchiveInput},
                                         Target{"regex", fuzz::RegexInput}),
                         [](const testing::TestParamInfo<Target>& info) {
                           QString name = QString::fromLatin1(info.param.name);
                           return name.remove('-').toStdString();
                         });

}  // namespace
}  // namespace quillmoor
