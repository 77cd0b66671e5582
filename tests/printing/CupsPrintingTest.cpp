// The engine's print queues and print jobs against a scheduler of the test's
// own with cups-pdf queues.

#include "platform/CupsPrinting.h"
#include "platform/PdfEngine.h"
#include "tests/printing/CupsTestServer.h"
#include "tests/printing/PrintedPdf.h"

#include <gtest/gtest.h>

namespace quillmoor {
namespace {

class CupsQueues : public testing::Test {
 protected:
  void SetUp() override {
    if (const QString why = test::CupsTestServerUnavailable(); !why.isEmpty()) GTEST_SKIP() << why.toStdString();
    ASSERT_EQ(server_.start(), QString());
  }
  void addQueue(const char* name) { ASSERT_EQ(server_.addPdfQueue(QString::fromUtf8(name)), QString()); }
  void loadAtlas() { ASSERT_EQ(PdfEngine::instance().load(test::DefaultAtlasFile().toStdString()), kPdfLoaded); }

  test::CupsTestServer server_;
};

TEST_F(CupsQueues, NamesAreQuotedWithTheDefaultFirst) {
  EXPECT_EQ(CupsPrinterNames(), "");
  addQueue("Alpha");
  addQueue("Zeta");
  EXPECT_EQ(CupsPrinterNames(), "\"Alpha\"\n\"Zeta\"\n");
  ASSERT_EQ(server_.setDefaultQueue(QStringLiteral("Zeta")), QString());
  EXPECT_EQ(CupsPrinterNames(), "\"Zeta\"\n\"Alpha\"\n");
  EXPECT_EQ(PdfEngine::instance().printerNames(), CupsPrinterNames());
}

TEST_F(CupsQueues, PrintsTheRangeOfTheOpenDocumentUnderItsTitle) {
  addQueue("Alpha");
  loadAtlas();
  test::NewPdfFiles printed(test::CupsPdfOutputDir());
  ASSERT_TRUE(PdfEngine::instance().printPages("Alpha", "2-3", "区间测试"));
  const test::PrintOutcome outcome = test::AwaitFirstJob(server_, printed);
  ASSERT_EQ(outcome.jobs, 1);
  EXPECT_EQ(outcome.title, QStringLiteral("区间测试"));
  ASSERT_FALSE(outcome.file.isEmpty()) << server_.errorLog().toStdString();
  EXPECT_EQ(test::PdfPageCount(outcome.file), 2);
  EXPECT_EQ(test::SortedWords(test::PdfText(outcome.file)),
            test::SortedWords(test::PdfText(test::DefaultAtlasFile(), 2) + test::PdfText(test::DefaultAtlasFile(), 3)));
}

TEST_F(CupsQueues, RefusedJobsSendNothing) {
  addQueue("Alpha");
  loadAtlas();
  for (const char* range : {"0", "-5", "25", "3-2", ""}) {
    SCOPED_TRACE(range);
    EXPECT_FALSE(PdfEngine::instance().printPages("Alpha", range, "x"));
  }
  EXPECT_FALSE(PdfEngine::instance().printPages("1", "1", "x"));  // no such queue
  EXPECT_EQ(CupsPrintPdf("Alpha", "/nonexistent/file.pdf", "1", "x"), 0);
  EXPECT_TRUE(server_.jobs().empty());
}

TEST(CupsWithoutScheduler, NoQueuesAndNoJobs) {
  test::CupsTestServer nothing;  // never started: its socket does not exist
  nothing.pointClientsHere();
  ASSERT_EQ(PdfEngine::instance().load(test::DefaultAtlasFile().toStdString()), kPdfLoaded);
  EXPECT_EQ(PdfEngine::instance().printerNames(), "");
  EXPECT_FALSE(PdfEngine::instance().printPages("Alpha", "1", "x"));
}

struct RangeCase {
  const char* name;
  const char* range;
  bool within;  // of a 24-page document
};

class PageRanges : public testing::TestWithParam<RangeCase> {};

TEST_P(PageRanges, MustNameOnlyPagesOfTheDocument) {
  EXPECT_EQ(IsPageRangeWithin(GetParam().range, 24), GetParam().within);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PageRanges,
    testing::Values(RangeCase{"OnePage", "7", true}, RangeCase{"FirstPage", "1", true},
                    RangeCase{"LastPage", "24", true}, RangeCase{"SpanAndPage", "2-4,9", true},
                    RangeCase{"SpanOfOne", "5-5", true}, RangeCase{"PageZero", "0", false},
                    RangeCase{"PastTheEnd", "25", false}, RangeCase{"Negative", "-5", false},
                    RangeCase{"OpenSpan", "3-", false}, RangeCase{"BackwardSpan", "4-2", false},
                    RangeCase{"Empty", "", false}, RangeCase{"TrailingText", "7x", false},
                    RangeCase{"Sign", "+7", false}, RangeCase{"LeadingBlank", " 7", false},
                    RangeCase{"EmptyPart", "1,,2", false}, RangeCase{"TrailingComma", "1,", false},
                    RangeCase{"TooLongForAnInt", "99999999999", false}),
    [](const testing::TestParamInfo<RangeCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quillmoor
