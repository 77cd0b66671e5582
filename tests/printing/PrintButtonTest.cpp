// The print button on the program's main window, printing to a cups-pdf
// queue of a scheduler of the test's own.

#include "app/MainWindowWiring.h"
#include "tests/catalogue/CatalogueFixtures.h"
#include "tests/common/MainWindowFixture.h"
#include "tests/printing/CupsTestServer.h"
#include "tests/printing/PrintedPdf.h"
#include "tests/printing/ViewerWindowDriver.h"
#include "viewer/DocumentSession.h"
#include "viewer/Printing.h"

#include <gtest/gtest.h>

namespace quillmoor {
namespace {

constexpr char kQueue[] = "Quillmoor-PDF";

class PrintButton : public test::ViewerWindowDriver {
 protected:
  void SetUp() override {
    if (const QString why = test::CupsTestServerUnavailable(); !why.isEmpty()) GTEST_SKIP() << why.toStdString();
    ASSERT_EQ(server_.start(), QString());
  }
  void addQueue() { ASSERT_EQ(server_.addPdfQueue(QString::fromLatin1(kQueue)), QString()); }

  // Clicks print, answering the notice with OK; whatever the click shows is
  // recorded in seen_.
  void clickPrint() {
    test::AnswerModals(seen_, [](QWidget* modal) { test::ClickMessageButton(modal); });
    clickButton(element::kPrintButton);
  }
  void expectOnlyTheNotice() {
    ASSERT_EQ(seen_->size(), 1u);
    const test::SeenModal& notice = seen_->front();
    EXPECT_EQ(notice.kind, QStringLiteral("QMessageBox"));
    EXPECT_EQ(notice.title, QString::fromUtf8(kPrintNoticeTitle));
    EXPECT_EQ(notice.text, QString::fromUtf8(kPrintNotice));
    EXPECT_TRUE(notice.applicationModal);
    EXPECT_FALSE(test::AnyMessageBoxShown());
  }

  test::CupsTestServer server_;
  std::shared_ptr<std::vector<test::SeenModal>> seen_ = std::make_shared<std::vector<test::SeenModal>>();
};

TEST_F(PrintButton, PrintsThePageInThePageBoxUnderTheJobTitle) {
  addQueue();
  startWindow();
  clickButton(element::kNextPageButton);
  clickButton(element::kNextPageButton);
  ASSERT_EQ(state().session->currentPage(), 3);
  typeIntoPageBox(QStringLiteral("7"));  // typed, not entered: page 3 stays shown
  test::NewPdfFiles printed(test::CupsPdfOutputDir());
  test::DiagnosticCapture diagnostics;
  clickPrint();
  expectOnlyTheNotice();
  EXPECT_EQ(state().session->currentPage(), 3);
  EXPECT_TRUE(diagnostics.Messages().contains(QStringLiteral("The pages were printed successfully")));

  const test::PrintOutcome outcome = test::AwaitFirstJob(server_, printed);
  ASSERT_EQ(outcome.jobs, 1);
  EXPECT_EQ(outcome.title, QStringLiteral("Quillmoor打印任务"));
  ASSERT_FALSE(outcome.file.isEmpty()) << server_.errorLog().toStdString();
  EXPECT_EQ(test::PdfPageCount(outcome.file), 1);
  const QString text = test::PdfText(outcome.file);
  EXPECT_TRUE(text.contains(QStringLiteral("第7页")));
  EXPECT_EQ(test::SortedWords(text), test::SortedWords(test::PdfText(test::DefaultAtlasFile(), 7)));
}

TEST_F(PrintButton, WithoutAnyQueueFailsQuietlyAfterTheNotice) {
  startWindow();
  typeIntoPageBox(QStringLiteral("7"));
  test::DiagnosticCapture diagnostics;
  clickPrint();
  expectOnlyTheNotice();
  EXPECT_TRUE(diagnostics.Messages().contains(QStringLiteral("An error occurred")));
  EXPECT_TRUE(server_.jobs().empty());
}

// The box is read the way atoi reads it; a number that names no page of the
// atlas sends nothing (CUPS would read "-5" as pages 1 to 5).
struct BoxCase {
  const char* name;
  const char* box;
};

class PrintButtonBoxOutsideTheAtlas : public PrintButton, public testing::WithParamInterface<BoxCase> {};

TEST_P(PrintButtonBoxOutsideTheAtlas, SendsNoJobAndShowsNothingMore) {
  addQueue();
  startWindow();
  typeIntoPageBox(QString::fromUtf8(GetParam().box));
  clickPrint();
  expectOnlyTheNotice();
  EXPECT_TRUE(server_.jobs().empty());
}

INSTANTIATE_TEST_SUITE_P(Table, PrintButtonBoxOutsideTheAtlas,
                         testing::Values(BoxCase{"Negative", "-5"}, BoxCase{"NotANumber", "abc"},
                                         BoxCase{"PastTheEnd", "25"}),
                         [](const testing::TestParamInfo<BoxCase>& info) { return std::string(info.param.name); });

struct PrinterListCase {
  const char* name;
  const char* list;
  const char* printer;
};

class ChoosePrinter : public testing::TestWithParam<PrinterListCase> {};

TEST_P(ChoosePrinter, TakesTheFirstQuotedName) { EXPECT_EQ(choosePrinter(GetParam().list), GetParam().printer); }

INSTANTIATE_TEST_SUITE_P(
    Table, ChoosePrinter,
    testing::Values(PrinterListCase{"FirstOfSeveral", "\"Office Printer\"\n\"Plotter\"\n", "Office Printer"},
                    PrinterListCase{"ChineseName", "\"三楼激光打印机\",\"绘图仪\"", "三楼激光打印机"},
                    PrinterListCase{"NoQuoteGivesOne", "Office Printer", "1"},
                    PrinterListCase{"EmptyListGivesOne", "", "1"},
                    PrinterListCase{"LoneQuoteGivesOne", "\"Office", "1"}),
    [](const testing::TestParamInfo<PrinterListCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quillmoor
