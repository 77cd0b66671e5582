// The built program end to end on its bundled sample data: a virtual X server,
// keys and clicks through it, screenshots of every step.

#include "tests/common/TestSupport.h"
#include "tests/e2e/CatalogueFacts.h"
#include "tests/e2e/RunningProgram.h"
#include "tests/e2e/WindowSpots.h"
#include "tests/e2e/WindowSteps.h"

#include <gtest/gtest.h>

#include <QDir>

namespace quillmoor::e2e {
namespace {

QString InProgramDir(const QString& name) { return QDir(test::programDir()).filePath(name); }

struct PageStep {
  const char* name;
  WindowAction act;
  int pageBox;  // what the page box shows after it
};

// A page number typed over the page box's text, then Enter.
WindowAction TypePage(int page) {
  return [page](const XdoTool& input, WindowId) {
    return input.keys({QStringLiteral("ctrl+a")}) && input.type(QString::number(page)) &&
           input.keys({QStringLiteral("Return")});
  };
}

TEST(ProgramWindow, PagesThroughTheDefaultAtlasOpensAnotherAndEndsWhenClosed) {
  const CatalogueFacts facts(InProgramDir(QStringLiteral("quillmoor-tool")));
  const int pages = facts.pageCount(InProgramDir(QStringLiteral("16G101-1.pdf")));
  ASSERT_GT(pages, 3);
  const std::optional<CatalogueRowFacts> other = facts.row(spot::kFirstAtlasRow);
  ASSERT_TRUE(other && !other->file.isEmpty()) << facts.treeText().toStdString();
  const int otherPages = facts.pageCount(other->file);
  ASSERT_NE(otherPages, pages) << "the test tells the atlases apart by their page counts";

  RunningProgram program(QStringLiteral("program-window"));
  ASSERT_TRUE(program.start(InProgramDir(QStringLiteral("quillmoor")))) << program.error().toStdString();
  QImage picture;
  ASSERT_TRUE(ShowsDefaultAtlas(program, pages, &picture));

  // Keys act while the focus is in the page box, where a page number can also be typed.
  ASSERT_TRUE(program.input().click(program.window(), spot::kPageBox));
  const PageStep steps[] = {
      {"page-down-key", Keys({QStringLiteral("Next")}), 2},
      {"next-button", Click(spot::kNextButton), 3},
      {"home-key", Keys({QStringLiteral("Home")}), 1},
      {"end-key", Keys({QStringLiteral("End")}), pages},
      {"previous-button", Click(spot::kPreviousButton), pages - 1},
      {"typed-page-number", TypePage(3), 3},
  };
  for (const PageStep& step : steps)
    ASSERT_TRUE(TurnsPage(program, step.name, step.act, step.pageBox, &picture)) << step.name;

  ASSERT_TRUE(OpensAtlasFromCatalogue(program, spot::kFirstAtlasRow, otherPages, &picture))
      << other->code.toStdString();
  EXPECT_TRUE(EndsCleanlyWhenClosed(program));
}

}  // namespace
}  // namespace quillmoor::e2e
