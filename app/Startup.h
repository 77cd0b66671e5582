#pragma once
// Start-up: the fixed order in which the program builds its state and its
// main window, and the run of the event loop.

#include "app/AppState.h"
#include "app/CommandLine.h"

#include <QString>

#include <memory>
#include <string>

namespace quillmoor {

struct StartupOptions {
  QString programDir;  // the running executable's directory, symlinks resolved
  QString dataDir;     // catalogue, path sheet and default atlas; empty: programDir
  ResourceMode resourceMode = ResourceMode::EmbeddedArchive;
  std::string resourcePassword;
};

// The options of this build for a parsed command line.
StartupOptions BuildStartupOptions(const CommandLine& commandLine);

struct StartupResult {
  std::unique_ptr<AppState> state;  // null when start-up failed
  QString error;                    // why, for standard error
};

// Everything up to the shown window: the state, the main window loaded,
// filled and wired, but not yet shown. Needs a QApplication.
StartupResult StartUp(const StartupOptions& options);

// StartUp, then show the main window and run the event loop until it is
// closed. 0 when the window was closed, 1 when start-up failed (the reason is
// on standard error).
int RunApplication(const StartupOptions& options);

inline constexpr char kMainLayoutName[] = "main.xml";

}  // namespace quillmoor
