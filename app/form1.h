#pragma once

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include <QMainWindow>
#include <QString>

#include "app/calculation_report.h"
#include "app/companion_windows.h"
#include "app/qt_controls.h"
#include "app/stale_marks.h"
#include "calc/form1_procedures.h"
#include "calc/method.h"

class QAction;
class QActionGroup;
class QEvent;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace app {

class FormAbout;
class PictureBox;

// The main window: inputs, Calculate, results, the diagram, the iteration log
// and the About command. It owns the calculating procedures and their state.
class Form1 : public QMainWindow {
 public:
  // How the window tells the user things. Each defaults to a modal box; a test
  // or an unattended run puts its own in place so that nothing waits for a click.
  struct Reporters {
    std::function<void(const std::string& prompt)> message;  // the solver's
    // After a calculation with a failure or warnings; returns whether the user
    // asked for the exact solution (only ever when the report offers it).
    std::function<bool(const CalculationReport& report)> report;
  };

  explicit Form1(char decimal_separator = DecimalSeparatorOf(QLocale::system()));
  ~Form1() override;

  void SetReporters(Reporters reporters);

  // The method the next Calculate uses, as the "Calculation" menu shows it.
  void SetMethod(calc::Method method);
  calc::Method Method() const { return method_; }

  // Remember between starts the inputs, the method and where the window
  // stood: restores them now and saves them when the window closes. Without
  // this call (tests, screenshots) the window touches no settings.
  void UseSettings();

  // Puts texts into the input fields, as a user would type them (M1, p1,
  // Teta-A, Teta-B; a field without a text keeps its own).
  void SetInputs(const std::array<std::optional<std::string>, 4>& texts);

  // Writes the diagram as shown to `path`: SVG when the name ends in ".svg",
  // else PNG; whole or not at all. Throws std::runtime_error saying why not.
  void SaveDiagramAs(const std::string& path) const;

  PictureBox& Picture1() { return *picture1_; }
  const CompanionWindows& Companions() const { return companions_; }
  const calc::Form1Procedures& Procedures() const { return *procedures_; }
  const StaleMarks& Stale() const { return stale_; }
  // Runs after every calculation, once its report is closed.
  void SetCalculatedHandler(std::function<void()> handler) { calculated_ = std::move(handler); }

 protected:
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildControls();
  void BuildMenus();

  void Form_Load();
  void Command1_Click();
  void Mn_About_Click();
  void Mn_Diagram_Click();
  // The configuration of the last calculation's inputs (gamma as it used).
  std::optional<exact::Configuration> FindConfiguration() const;

  void ShowMessage(const std::string& prompt);
  CalculationReport MakeReport(std::optional<calc::Failure> failure) const;
  void ShowExactSolution();
  void CopyResults() const;
  void CopyLog() const;
  void SaveDiagram();
  QLineEdit& Field(std::string_view name) const;

  std::map<std::string, QWidget*, std::less<>> controls_;
  PictureBox* picture1_ = nullptr;
  QListWidget* list1_ = nullptr;
  QPushButton* command1_ = nullptr;
  QGroupBox* frame4_ = nullptr;
  QAction* mn_about_ = nullptr;
  QActionGroup* methods_ = nullptr;

  // The Qt sides of the controls the procedures see.
  std::map<std::string, std::unique_ptr<LineEditTextBox>, std::less<>> text_boxes_;
  std::unique_ptr<ListWidgetListBox> list_box_;
  RelayMessageBox messages_;
  CollectingWarningBox warnings_;
  std::function<bool(const CalculationReport&)> report_;
  std::function<void()> calculated_;

  void SaveSettings() const;

  calc::Method method_ = calc::Method::Iterasyon;
  bool uses_settings_ = false;
  StaleMarks stale_;
  std::optional<calc::Form1Procedures> procedures_;
  std::unique_ptr<FormAbout> form_about_;  // made on first use, never owned by Qt
  CompanionWindows companions_;
  // Which pattern the shocks of the last calculation form, where it is known.
  std::optional<exact::Configuration> configuration_;
};

// A modal box over `parent` with the application's name as its caption.
void ShowModalBox(QWidget* parent, const QString& text, bool warning);

}  // namespace app
