// The UI archive Quillmoor.zip beside the program (resource mode 2), damaged:
// start-up gives up with its error result and message where the window
// cannot be built, and never crashes; nothing is written beside the program
// or in the data directory.

#include "platform/UiTreeAdapter.h"
#include "tests/common/MainWindowFixture.h"
#include "tests/common/TestSupport.h"
#include "tests/hardening/CaseTimeLimit.h"
#include "tests/hardening/DamagedBytes.h"
#include "tests/hardening/DirectorySnapshot.h"
#include "tests/hardening/HardeningData.h"
#include "tests/viewer/PdfTestFiles.h"
#include "viewer/DocumentSession.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <ostream>

namespace quillmoor {
namespace {

QByteArray BuiltArchive() { return test::ReadFileBytes(test::programDir() + "/" + kArchiveFileName); }

QByteArray Sound() { return BuiltArchive(); }
QByteArray FirstHalf() { return BuiltArchive().left(BuiltArchive().size() / 2); }
QByteArray EndRecordCutOff() { return BuiltArchive().chopped(10); }
QByteArray RandomBytes() { return test::RandomBytes(BuiltArchive().size(), 5); }
QByteArray FlippedBits() { return test::FlipBits(BuiltArchive(), 200, 6); }

template <const char* entry>
QByteArray DamagedEntry() {
  return test::DamageZipEntry(BuiltArchive(), QString::fromLatin1(entry));
}

bool NothingThere(const QString&) { return true; }
bool EmptyFile(const QString& path) { return test::WriteBytes(path, {}); }

constexpr char kResourceIndex[] = "resource.res";
constexpr char kMainLayout[] = "main.xml";
constexpr char kStyleSheet[] = "style.css";
constexpr char kCategoryTemplate[] = "tree-gourp.xml";
constexpr char kOutlineTemplate[] = "outline.xml";

struct ArchiveCase {
  const char* name;
  bool (*place)(const QString& path);
  bool starts;  // false: start-up reports its failure
};

void PrintTo(const ArchiveCase& c, std::ostream* out) { *out << c.name; }

class UiArchiveFile : public testing::TestWithParam<ArchiveCase> {};

TEST_P(UiArchiveFile, StartUpFailsCleanlyOrStartsAndNothingIsWritten) {
  const ArchiveCase& c = GetParam();
  const test::CaseTimeLimit limit(c.name, test::kUsualCaseLimit);
  const QTemporaryDir programDir(test::fixtureDir() + "/program-XXXXXX");
  const QString dataDir = test::MakeDataDir(QString::fromLatin1(c.name), test::kSoundSheet);
  ASSERT_TRUE(c.place(programDir.filePath(kArchiveFileName)));
  const test::DirectorySnapshot programBefore = test::DirectorySnapshot::Take(programDir.path());
  const test::DirectorySnapshot dataBefore = test::DirectorySnapshot::Take(dataDir);
  StartupOptions options = test::TestStartupOptions(ResourceMode::ArchiveFile, dataDir);
  options.programDir = programDir.path();
  {
    const StartupResult started = StartUp(options);
    EXPECT_EQ(started.state != nullptr, c.starts) << started.error.toStdString();
    EXPECT_EQ(started.error.isEmpty(), c.starts) << started.error.toStdString();
    if (started.state) {
      EXPECT_EQ(started.state->catalogueAdapter->rowCount(), 1);
      EXPECT_EQ(started.state->session->pageCount(), 24);
    }
  }
  if (!c.starts) {
    EXPECT_EQ(RunApplication(options), 1);
  }
  EXPECT_FALSE(test::AnyMessageBoxShown());
  EXPECT_EQ(test::DirectorySnapshot::Take(programDir.path()).ChangesSince(programBefore), "");
  EXPECT_EQ(test::DirectorySnapshot::Take(dataDir).ChangesSince(dataBefore), "");
}

INSTANTIATE_TEST_SUITE_P(
    Matrix, UiArchiveFile,
    testing::Values(ArchiveCase{"Sound", test::WrittenFrom<Sound>, true},
                    ArchiveCase{"Missing", NothingThere, false},
                    ArchiveCase{"EmptyFile", EmptyFile, false},
                    ArchiveCase{"NamedPipe", test::MakeNamedPipe, false},
                    ArchiveCase{"Directory", test::MakeDirectory, false},
                    ArchiveCase{"FirstHalf", test::WrittenFrom<FirstHalf>, false},
                    ArchiveCase{"EndRecordCutOff", test::WrittenFrom<EndRecordCutOff>, false},
                    ArchiveCase{"RandomBytes", test::WrittenFrom<RandomBytes>, false},
                    ArchiveCase{"FlippedBits", test::WrittenFrom<FlippedBits>, false},
                    ArchiveCase{"DamagedResourceIndex", test::WrittenFrom<DamagedEntry<kResourceIndex>>, false},
                    ArchiveCase{"DamagedMainLayout", test::WrittenFrom<DamagedEntry<kMainLayout>>, false},
                    ArchiveCase{"DamagedStyleSheet", test::WrittenFrom<DamagedEntry<kStyleSheet>>, true},
                    ArchiveCase{"DamagedCategoryTemplate", test::WrittenFrom<DamagedEntry<kCategoryTemplate>>, true},
                    ArchiveCase{"DamagedOutlineTemplate", test::WrittenFrom<DamagedEntry<kOutlineTemplate>>, true}),
    [](const testing::TestParamInfo<ArchiveCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quillmoor
