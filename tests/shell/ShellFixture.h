#pragma once
// The program started and its main window shown, for the shell's tests.

#include "app/AppState.h"
#include "app/Startup.h"

#include <gtest/gtest.h>

#include <QString>

namespace quillmoor::test {

class ShellWindowTest : public testing::Test {
 protected:
  void SetUp() override { start(); }
  // Starts the program again on another data directory.
  void start(const QString& dataDir = {});

  AppState& state() { return *started_.state; }
  QWidget* window() { return state().mainWindow.get(); }
  QWidget* element(int id);
  // A real mouse click on a button of the main window (or of `in`).
  void click(int id, QWidget* in = nullptr);

 private:
  StartupResult started_;
};

}  // namespace quillmoor::test
