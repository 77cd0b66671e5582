#include "tests/e2e/WindowSteps.h"

#include "tests/e2e/RunningProgram.h"
#include "tests/e2e/WindowSpots.h"

#include <QDeadlineTimer>

#include <optional>

namespace quillmoor::e2e {
namespace {

// Each step normally takes well under a second; the margin is for loaded
// machines and sanitizer builds.
QDeadlineTimer StepDeadline() { return QDeadlineTimer(20000); }

// Something is drawn there: not every pixel alike.
bool HasDrawing(const QImage& picture, QRect region) {
  const QImage part = picture.copy(region);
  for (int y = 0; y < part.height(); ++y)
    for (int x = 0; x < part.width(); ++x)
      if (part.pixel(x, y) != part.pixel(0, 0)) return true;
  return false;
}

// Waits until `region` of the window's picture differs from `*picture` and
// keeps the new picture as the step's screenshot; when it does not change,
// keeps what the window shows instead, for review.
::testing::AssertionResult Changes(RunningProgram& program, const QString& step, QRect region, QImage* picture) {
  const QImage changed = program.changedPicture(*picture, region, StepDeadline());
  if (!changed.isNull()) {
    *picture = changed;
    program.shoot(step, changed);
    return ::testing::AssertionSuccess();
  }
  program.shoot(step + QStringLiteral("-unchanged"), program.picture());
  return ::testing::AssertionFailure() << step.toStdString() << ": the picture did not change; the program said:\n"
                                       << program.process().errorOutput().toStdString();
}

}  // namespace

::testing::AssertionResult Reported(RunningProgram& program, const QStringList& lines) {
  if (program.process().waitForDiagnostics(lines, StepDeadline())) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "the program did not report \""
                                       << lines.join(QStringLiteral("\", \"")).toStdString() << "\"; it said:\n"
                                       << program.process().errorOutput().toStdString();
}

WindowAction Keys(QStringList names) {
  return [names](const XdoTool& input, WindowId) { return input.keys(names); };
}

WindowAction Click(QPoint point) {
  return [point](const XdoTool& input, WindowId window) { return input.click(window, point); };
}

QString PageBoxLine(int number) { return QStringLiteral("page box: %1").arg(number); }
QString PageCountLine(int number) { return QStringLiteral("page count: %1").arg(number); }

::testing::AssertionResult ShowsDefaultAtlas(RunningProgram& program, int pages, QImage* picture) {
  if (auto reported = Reported(program, {PageBoxLine(1), PageCountLine(pages)}); !reported) return reported;
  *picture = program.stillPicture(spot::kBody, StepDeadline());
  program.shoot(QStringLiteral("started"), *picture);
  if (picture->isNull()) return ::testing::AssertionFailure() << "the window's picture did not settle";
  if (!HasDrawing(*picture, spot::kCatalogue)) return ::testing::AssertionFailure() << "the catalogue is empty";
  if (!HasDrawing(*picture, spot::kPagePicture)) return ::testing::AssertionFailure() << "no page is shown";
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult TurnsPage(RunningProgram& program, const char* step, const WindowAction& act, int pageBox,
                                     QImage* picture) {
  if (!act(program.input(), program.window())) return ::testing::AssertionFailure() << "xdotool failed";
  if (auto reported = Reported(program, {PageBoxLine(pageBox)}); !reported) return reported;
  return Changes(program, QString::fromLatin1(step), spot::kPagePicture, picture);
}

::testing::AssertionResult OpensAtlasFromCatalogue(RunningProgram& program, int row, int pages, QImage* picture) {
  const XdoTool& input = program.input();
  if (!input.click(program.window(), spot::CatalogueRow(0)) || !input.keys({QStringLiteral("asterisk")}))
    return ::testing::AssertionFailure() << "xdotool could not unfold the catalogue";
  if (auto unfolded = Changes(program, QStringLiteral("catalogue-unfolded"), spot::kCatalogue, picture); !unfolded)
    return unfolded;

  if (!input.doubleClick(program.window(), spot::CatalogueRow(row)))
    return ::testing::AssertionFailure() << "xdotool could not double-click row " << row;
  if (auto reported = Reported(program, {PageBoxLine(1), PageCountLine(pages)}); !reported) return reported;
  return Changes(program, QStringLiteral("another-atlas"), spot::kPagePicture, picture);
}

::testing::AssertionResult EndsCleanlyWhenClosed(RunningProgram& program) {
  const std::optional<int> status = program.closeAndWait(QDeadlineTimer(5000));
  if (!status)
    return ::testing::AssertionFailure() << "the program did not end normally within 5 s of closing its window:\n"
                                         << program.process().errorOutput().toStdString();
  if (*status != 0)
    return ::testing::AssertionFailure() << "exit status " << *status << "; the program said:\n"
                                         << program.process().errorOutput().toStdString();
  return ::testing::AssertionSuccess();
}

}  // namespace quillmoor::e2e
