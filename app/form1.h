#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include <QMainWindow>
#include <QString>

#include "app/qt_controls.h"
#include "calc/form1_procedures.h"

class QAction;
class QEvent;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace platform {
class RuntimeError;
}

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
    std::function<void(const std::string& prompt)> warning;  // after an unbalanced search
    std::function<void(const platform::RuntimeError& error)> failure;  // a calculation stopped
  };

  explicit Form1(char decimal_separator = DecimalSeparatorOf(QLocale::system()));
  ~Form1() override;

  void SetReporters(Reporters reporters);

  PictureBox& Picture1() { return *picture1_; }

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void BuildControls();

  void Form_Load();
  void Command1_Click();
  void Mn_About_Click();

  void ShowMessage(const std::string& prompt);
  void ShowWarning(const std::string& prompt);
  void ShowFailure(const platform::RuntimeError& error);

  std::map<std::string, QWidget*, std::less<>> controls_;
  PictureBox* picture1_ = nullptr;
  QListWidget* list1_ = nullptr;
  QPushButton* command1_ = nullptr;
  QAction* mn_about_ = nullptr;

  // The Qt sides of the controls the procedures see.
  std::map<std::string, std::unique_ptr<LineEditTextBox>, std::less<>> text_boxes_;
  std::unique_ptr<ListWidgetListBox> list_box_;
  RelayMessageBox messages_;
  RelayMessageBox warnings_;
  std::function<void(const platform::RuntimeError&)> failure_;

  std::optional<calc::Form1Procedures> procedures_;
  std::unique_ptr<FormAbout> form_about_;  // made on first use, never owned by Qt
};

// A modal box over `parent` with the application's name as its caption.
void ShowModalBox(QWidget* parent, const QString& text, bool warning);

}  // namespace app
