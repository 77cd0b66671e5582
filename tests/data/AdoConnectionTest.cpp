#include "data/AdoConnection.h"

#include "tests/data/DataFixtures.h"

#include <gtest/gtest.h>

#include <random>

namespace quillmoor {
namespace {

using test::FixturePath;
using test::MakePathSheet;

constexpr char kSheet[] = "id\t图集所在文件夹\t文件名\n5\t/data\ta.pdf\n";

std::string RandomBytes(std::size_t count) {
  std::mt19937 generator(20260101);
  std::string bytes(count, '\0');
  for (char& byte : bytes) byte = static_cast<char>(generator());
  return bytes;
}

// Files that are no usable workbook, each made from a good one or from nothing.
std::string MakeBrokenWorkbook(const std::string& kind) {
  if (kind == "zero sheets") return MakePathSheet(kSheet, {"--zero-sheets"});
  const std::string path = FixturePath(".xls");
  const std::string good = test::ReadFile(MakePathSheet(kSheet, {}, ".good.xls"));
  const std::string compoundFileSignature = good.substr(0, 8);
  if (kind == "truncated") test::WriteFile(path, good.substr(0, good.size() / 2));
  if (kind == "random bytes") test::WriteFile(path, RandomBytes(good.size()));
  if (kind == "signature then random bytes")
    test::WriteFile(path, compoundFileSignature + RandomBytes(good.size() - 8));
  if (kind == "empty") test::WriteFile(path, "");
  return path;  // "missing": never written
}

class BrokenWorkbook : public ::testing::TestWithParam<std::string> {};

TEST_P(BrokenWorkbook, StaysClosedWithAReason) {
  AdoConnection connection;
  EXPECT_FALSE(connection.OpenExcel(MakeBrokenWorkbook(GetParam())));
  EXPECT_FALSE(connection.IsOpen());
  EXPECT_FALSE(connection.FetchError());
  EXPECT_NE(connection.ErrorText(), "");
  EXPECT_EQ(connection.GetObject(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Files, BrokenWorkbook,
                         ::testing::Values("truncated", "random bytes",
                                           "signature then random bytes", "empty", "zero sheets",
                                           "missing"),
                         [](const auto& info) {
                           std::string name = info.param;
                           for (char& c : name) c = (c == ' ') ? '_' : c;
                           return name;
                         });

TEST(AdoConnection, OpensAWorkbook) {
  AdoConnection connection;
  EXPECT_FALSE(connection.IsOpen());
  ASSERT_TRUE(connection.OpenExcel(MakePathSheet(kSheet)));
  EXPECT_TRUE(connection.IsOpen());
  EXPECT_TRUE(connection.FetchError());
  EXPECT_EQ(connection.ErrorText(), "");
}

TEST(AdoConnection, ReopeningOnABadFileClosesIt) {
  AdoConnection connection;
  ASSERT_TRUE(connection.OpenExcel(MakePathSheet(kSheet)));
  EXPECT_FALSE(connection.OpenExcel(FixturePath(".missing.xls")));
  EXPECT_FALSE(connection.IsOpen());
}

TEST(AdoConnection, ConnectionStringNamesTheWorkbook) {
  const std::string sheet = MakePathSheet(kSheet);
  AdoConnection connection;
  EXPECT_TRUE(connection.OpenConnectionString("Provider=Microsoft.Jet.OLEDB.4.0; Data Source=" +
                                              sheet + "; Extended Properties=Excel 8.0;"));
  EXPECT_TRUE(connection.IsOpen());
  EXPECT_FALSE(connection.OpenConnectionString("Provider=Microsoft.Jet.OLEDB.4.0;"));
  EXPECT_FALSE(connection.IsOpen());
  EXPECT_NE(connection.ErrorText(), "");
}

}  // namespace
}  // namespace quillmoor
