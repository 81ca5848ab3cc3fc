#include <algorithm>
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include <QApplication>
#include <QPushButton>
#include <QStringList>
#include <QTimer>

#include "app/app_icon.h"
#include "app/form1.h"
#include "app/window_options.h"
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

int TellUsageError(const cli::UsageError& error) {
  std::cerr << "shocks: " << error.message << "\nRun 'shocks --help' for the options.\n";
  return 2;
}

// Help, version and plain usage errors are answered before Qt starts, so that
// they need no display. An argument in Qt's own style (-platform, -style ...)
// leaves the judgement to after Qt has taken its own.
std::optional<int> AnswerWithoutWindow(int argc, char* argv[]) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  const app::WindowCommand command = app::ParseWindowCommandLine(args);
  const bool qt_style = std::any_of(args.begin(), args.end(), [](const std::string& arg) {
    return arg.size() > 2 && arg[0] == '-' && arg[1] != '-';
  });
  if (const auto* error = std::get_if<cli::UsageError>(&command); error && !qt_style) {
    return TellUsageError(*error);
  }
  if (std::holds_alternative<cli::ShowHelp>(command)) {
    std::cout << app::WindowHelpText();
    return 0;
  }
  if (std::holds_alternative<cli::ShowVersion>(command)) {
    std::cout << "1.00\n";
    return 0;
  }
  return std::nullopt;  // a usage error, told once Qt has taken its own arguments
}

}  // namespace

int main(int argc, char* argv[]) {
  if (const std::optional<int> answered = AnswerWithoutWindow(argc, argv)) return *answered;
  QApplication application(argc, argv);
  QApplication::setApplicationName("Shocks");
  QApplication::setOrganizationName("Shocks");
  QApplication::setApplicationVersion("1.00");
  QApplication::setWindowIcon(app::ShocksIcon());

  // Qt has taken its own arguments (-platform and the like); the rest are ours.
  std::vector<std::string> args;
  for (const QString& arg : QApplication::arguments().mid(1)) args.push_back(arg.toStdString());
  const app::WindowCommand command = app::ParseWindowCommandLine(args);
  if (const auto* error = std::get_if<cli::UsageError>(&command)) return TellUsageError(*error);
  const auto& start = std::get<app::WindowStart>(command);

  // The program starts by creating its main window, whose load event runs in
  // the making, and then shows it.
  app::Form1 form;
  if (start.screenshot.empty()) form.UseSettings();
  form.SetInputs(start.inputs);
  if (start.method) form.SetMethod(*start.method);
  form.show();
  if (!start.screenshot.empty()) TakeScreenshot(form, QString::fromStdString(start.screenshot));

  return QApplication::exec();
}
