#include "cli/offscreen_application.h"

#include <cstdio>

#include <QApplication>

namespace cli {

namespace {

void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(message));
}

}  // namespace

std::unique_ptr<QCoreApplication> StartOffscreenApplication() {
  if (QCoreApplication::instance() != nullptr) return nullptr;
  qInstallMessageHandler(QuietMessages);
  // Qt keeps argc and argv for the application's life and takes the options
  // it reads out of them: they are set afresh for each application.
  static char name[] = "shocks-cli-raster";
  static char platform_option[] = "-platform";
  static char offscreen[] = "offscreen";
  static int argc;
  static char* argv[4];
  argc = 3;
  argv[0] = name;
  argv[1] = platform_option;
  argv[2] = offscreen;
  argv[3] = nullptr;
  return std::make_unique<QApplication>(argc, argv);
}

}  // namespace cli
