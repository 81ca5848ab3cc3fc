#include <cstdio>

#include <QApplication>
#include <QPushButton>
#include <QStringList>
#include <QTimer>

#include "app/app_icon.h"
#include "app/form1.h"
#include "platform/runtime_error.h"

namespace {

// `--screenshot FILE`, for the documentation only: presses Calculate with the
// start texts once the window is up, saves the window as a picture and quits.
// Every box goes to standard error instead, so nothing waits for a click.
void TakeScreenshot(app::Form1& form, const QString& file) {
  const auto to_stderr = [](const std::string& prompt) {
    std::fprintf(stderr, "%s\n", prompt.c_str());
  };
  form.SetReporters({to_stderr, [](const app::CalculationReport& report) {
                       std::fprintf(stderr, "%s\n", report.Text().c_str());
                       return false;
                     }});
  // Once the event loop runs the window is shown and laid out; grab paints it
  // afresh, so nothing has to wait for the screen.
  QTimer::singleShot(0, &form, [&form, file] {
    form.findChild<QPushButton*>("Command1")->click();
    const bool saved = form.grab().save(file, "PNG");
    if (!saved) std::fprintf(stderr, "could not write %s\n", qPrintable(file));
    QCoreApplication::exit(saved ? 0 : 1);
  });
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName("Shocks");
  QApplication::setOrganizationName("Shocks");
  QApplication::setApplicationVersion("1.00");
  QApplication::setWindowIcon(app::ShocksIcon());

  // The program starts by creating its main window, whose load event runs in
  // the making, and then shows it.
  app::Form1 form;
  form.show();

  const QStringList arguments = QApplication::arguments();
  const qsizetype at = arguments.indexOf("--screenshot");
  if (at >= 0 && at + 1 < arguments.size()) {
    TakeScreenshot(form, arguments.at(at + 1));
  } else {
    form.UseSettings();
  }

  return QApplication::exec();
}
