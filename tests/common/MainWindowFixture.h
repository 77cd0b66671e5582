#pragma once
// The program started in-process for a test: its state, its main window shown
// and active, as a user would find it.

#include "app/Startup.h"

#include <QString>

namespace quillmoor::test {

// Start-up options of this build for the sample data beside the program, or
// for another data directory.
StartupOptions TestStartupOptions(ResourceMode mode = ResourceMode::EmbeddedArchive,
                                  const QString& dataDir = {});

// StartUp, then the main window shown at a working size and made active.
// A null state (with the error) when start-up failed.
StartupResult StartShownMainWindow(const QString& dataDir = {});

// True while a message box is on screen.
bool AnyMessageBoxShown();

}  // namespace quillmoor::test
