// quillmoor: the standard drawing atlas viewer.

#include "app/CommandLine.h"
#include "app/Startup.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstdio>

namespace {

// Without a display Qt would abort with a message about the xcb plugin; say
// what is missing and how to run the program instead.
bool HasDisplay() {
  return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("DISPLAY") ||
         !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

}  // namespace

int main(int argc, char** argv) {
  if (!HasDisplay()) {
    std::fprintf(stderr,
                 "quillmoor: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set).\n"
                 "Start it from a desktop session, or under a virtual display:\n"
                 "  xvfb-run -s '-screen 0 1600x1000x24' %s\n",
                 argv[0]);
    return 2;
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Quillmoor"));
  // The program speaks Chinese; Qt's own dialogs and buttons should too.
  QTranslator qtTexts;
  if (qtTexts.load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"), QStringLiteral("_"),
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(&qtTexts);
  QString error;
  const std::optional<quillmoor::CommandLine> commandLine = quillmoor::ParseCommandLine(app.arguments(), &error);
  if (!commandLine) {
    std::fprintf(stderr, "quillmoor: %s\n", qPrintable(error));
    return 2;
  }
  return quillmoor::RunApplication(quillmoor::BuildStartupOptions(*commandLine));
}
