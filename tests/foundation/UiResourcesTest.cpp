#include "platform/UiArchive.h"
#include "platform/UiResources.h"
#include "tests/common/TestSupport.h"

#include "BuildConfig.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace quillmoor {
namespace {

const QByteArray kPassword = QByteArray(build::kResourcePassword);

QByteArray BuiltArchive() {
  QFile file(QDir(test::programDir()).filePath(QString::fromLatin1(kArchiveFileName)));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(UiArchive, EmbeddedArchiveIsTheBuiltOneAndHoldsEveryUiFile) {
  const QByteArray embedded = UiResources::embeddedArchive();
  ASSERT_FALSE(embedded.isEmpty());
  EXPECT_EQ(embedded, BuiltArchive());
  QString error;
  auto archive = UiArchive::fromBytes(embedded, kPassword, &error);
  ASSERT_TRUE(archive) << error.toStdString();
  for (const char* name : {"main.xml", "about.xml", "bookedit.xml", "config.xml", "outline.xml",
                           "tree-gourp.xml", "tree-content.xml", "tree-content-nobook.xml",
                           "resource.res", "style.css", "quillmoor.svg"})
    EXPECT_TRUE(archive->entries().contains(QString::fromLatin1(name))) << name;
}

TEST(UiArchive, EntriesAreEncrypted) {
  // Without the password the layout cannot be read.
  QString error;
  auto archive = UiArchive::fromBytes(UiResources::embeddedArchive(), QByteArray(), &error);
  ASSERT_TRUE(archive);
  EXPECT_FALSE(archive->read(QStringLiteral("main.xml"), &error));
  EXPECT_FALSE(error.isEmpty());
}

TEST(UiResources, WrongPasswordFailsWithAClearMessage) {
  for (ResourceMode mode : {ResourceMode::EmbeddedArchive, ResourceMode::ArchiveFile}) {
    QString error;
    EXPECT_FALSE(UiResources::open(mode, test::programDir(), "not-the-password", &error));
    EXPECT_TRUE(error.contains(QStringLiteral("password"), Qt::CaseInsensitive)) << error.toStdString();
  }
}

struct Damage {
  const char* name;
  QByteArray (*apply)(QByteArray);
};

class DamagedArchive : public testing::TestWithParam<Damage> {};

TEST_P(DamagedArchive, FailsWithAMessageAndNoCrash) {
  const QByteArray damaged = GetParam().apply(BuiltArchive());
  QString error;
  auto resources = UiResources::openArchive(damaged, kPassword, &error);
  if (!resources) {
    EXPECT_FALSE(error.isEmpty());
    return;
  }
  // Damage away from the resource index may still open: every entry then
  // reads either as it was packed or not at all, never as other bytes.
  auto sound = UiResources::openArchive(BuiltArchive(), kPassword, &error);
  ASSERT_TRUE(sound);
  for (const char* name : {"main.xml", "style.css", "about.xml", "resource.res"}) {
    const auto read = resources->read(QString::fromLatin1(name));
    if (read) {
      EXPECT_EQ(*read, *sound->read(QString::fromLatin1(name))) << name;
    }
  }
}

QByteArray FlipEvery(QByteArray bytes, int step) {
  for (qsizetype i = step / 2; i < bytes.size(); i += step) bytes[i] = static_cast<char>(bytes[i] ^ 0x5a);
  return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Bytes, DamagedArchive,
    testing::Values(Damage{"Empty", [](QByteArray) { return QByteArray(); }},
                    Damage{"FirstHalf", [](QByteArray b) { return b.left(b.size() / 2); }},
                    Damage{"LastHalf", [](QByteArray b) { return b.mid(b.size() / 2); }},
                    Damage{"NoEndRecord", [](QByteArray b) { return b.left(b.size() - 10); }},
                    Damage{"Garbage", [](QByteArray b) { return QByteArray(b.size(), 'x'); }},
                    Damage{"SparseFlips", [](QByteArray b) { return FlipEvery(b, 997); }},
                    Damage{"DenseFlips", [](QByteArray b) { return FlipEvery(b, 31); }}),
    [](const testing::TestParamInfo<Damage>& info) { return std::string(info.param.name); });

TEST(UiResources, DamagedEntryIsRefusedNotReturned) {
  // Flip one byte inside the stored data of "resource.res": the archive's
  // authentication code must catch it.
  QByteArray bytes = BuiltArchive();
  const qsizetype header = bytes.indexOf("resource.res");
  ASSERT_GT(header, 0);
  bytes[header + 40] = static_cast<char>(bytes[header + 40] ^ 0x01);
  QString error;
  EXPECT_FALSE(UiResources::openArchive(bytes, kPassword, &error));
  EXPECT_FALSE(error.isEmpty());
}

TEST(UiResources, ArchiveFileBesideTheProgramMissingOrDamaged) {
  QTemporaryDir programDir;
  QString error;
  EXPECT_FALSE(UiResources::open(ResourceMode::ArchiveFile, programDir.path(), kPassword, &error));
  EXPECT_TRUE(error.contains(QString::fromLatin1(kArchiveFileName))) << error.toStdString();

  QFile damaged(QDir(programDir.path()).filePath(QString::fromLatin1(kArchiveFileName)));
  ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
  damaged.write(BuiltArchive().left(300));
  damaged.close();
  error.clear();
  EXPECT_FALSE(UiResources::open(ResourceMode::ArchiveFile, programDir.path(), kPassword, &error));
  EXPECT_FALSE(error.isEmpty());
}

TEST(UiResources, LooseFilesComeFromTheCurrentDirectory) {
  QTemporaryDir empty;
  const QString saved = QDir::currentPath();
  QDir::setCurrent(empty.path());
  QString error;
  EXPECT_FALSE(UiResources::open(ResourceMode::LooseFiles, test::programDir(), kPassword, &error));
  EXPECT_TRUE(error.contains(QStringLiteral("resource.res"))) << error.toStdString();

  QDir::setCurrent(test::sourceDir() + QStringLiteral("/ui"));
  auto resources = UiResources::open(ResourceMode::LooseFiles, test::programDir(), kPassword, &error);
  QDir::setCurrent(saved);
  ASSERT_TRUE(resources);
  EXPECT_TRUE(resources->read(QStringLiteral("main.xml")));
}

}  // namespace
}  // namespace quillmoor
