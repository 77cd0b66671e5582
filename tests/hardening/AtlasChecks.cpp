#include "tests/hardening/AtlasChecks.h"

#include "tests/common/MainWindowFixture.h"
#include "tests/hardening/HardeningData.h"
#include "tests/hardening/ProgramWindow.h"
#include "viewer/DocumentSession.h"

#include <gtest/gtest.h>

#include <QFileInfo>

namespace quillmoor::test {

void ExpectAtlasSelectAndOpen(ProgramWindow& program, const QString& id, const QString& file) {
  SCOPED_TRACE("atlas " + id.toStdString());
  const int item = program.atlasWithId(id);
  ASSERT_NE(item, 0) << "no atlas item";
  const ViewerShows before = program.viewer();
  program.select(item);
  EXPECT_EQ(program.status(), SelectionHint(id.toStdString(), file));
  EXPECT_EQ(program.viewer(), before) << "a click opened something";
  program.doubleClick(item);
  EXPECT_EQ(program.status(), OpeningHint(id.toStdString(), file));
  if (!QFileInfo(file).isFile()) {
    EXPECT_EQ(program.viewer(), before) << "the open atlas did not stay";
  } else {
    const ViewerShows opened = program.viewer();
    EXPECT_EQ(opened.pageBox, QStringLiteral("1"));
    EXPECT_EQ(opened.pageCount, QString::number(program.state().session->pageCount()));
    EXPECT_GT(program.state().session->pageCount(), 0);
    EXPECT_TRUE(opened.picture);
  }
  EXPECT_FALSE(AnyMessageBoxShown());
}

}  // namespace quillmoor::test
