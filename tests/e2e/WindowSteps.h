#pragma once
// Steps a reader takes in the main window, shared by the end-to-end cases.
// Each waits for what the program reports and for its picture, keeps a
// screenshot, and says what went wrong when it fails.

#include "tests/e2e/XdoTool.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPoint>
#include <QStringList>

#include <functional>

namespace quillmoor::e2e {

class RunningProgram;

// The freshly started window: the catalogue drawn, the default atlas of
// `pages` pages open at page 1. `picture` receives the window's picture.
::testing::AssertionResult ShowsDefaultAtlas(RunningProgram& program, int pages, QImage* picture);

// Something a user does through the X server: keys, clicks.
using WindowAction = std::function<bool(const XdoTool&, WindowId)>;
WindowAction Keys(QStringList names);
WindowAction Click(QPoint point);

// Runs `act` and waits until the page box shows `pageBox` and the page
// picture has changed. `picture` holds the window's picture before and
// receives it after; `step` names the screenshot.
::testing::AssertionResult TurnsPage(RunningProgram& program, const char* step, const WindowAction& act, int pageBox,
                                     QImage* picture);

// Unfolds the first category of the catalogue, double-clicks row `row` and
// waits until the atlas there (of `pages` pages) shows its page 1. The
// viewer must be past page 1 before, so that the page box's change is seen.
// `picture` holds the window's picture before and receives it after.
::testing::AssertionResult OpensAtlasFromCatalogue(RunningProgram& program, int row, int pages, QImage* picture);

// Closes the main window and checks that the program ends with status 0
// within a few seconds.
::testing::AssertionResult EndsCleanlyWhenClosed(RunningProgram& program);

// Waits until the program has reported each of `lines` (see ProgramProcess).
::testing::AssertionResult Reported(RunningProgram& program, const QStringList& lines);

// The diagnostic line the page box or the page count box gives for `number`.
QString PageBoxLine(int number);
QString PageCountLine(int number);

}  // namespace quillmoor::e2e
