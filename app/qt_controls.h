#pragma once

// The platform's controls for the calculating procedures, over Qt widgets.

#include <functional>
#include <string>
#include <vector>

#include <QLocale>

#include "calc/warning_box.h"
#include "platform/controls.h"

class QLineEdit;
class QListWidget;

namespace app {

// Each control tells `written` when the procedures write it, so that the
// window knows what the last calculation reached.
class LineEditTextBox : public platform::TextBox {
 public:
  explicit LineEditTextBox(QLineEdit& edit, std::function<void()> written = {})
      : edit_(edit), written_(std::move(written)) {}
  std::string Text() const override;
  void SetText(const std::string& text) override;

 private:
  QLineEdit& edit_;
  std::function<void()> written_;
};

class ListWidgetListBox : public platform::ListBox {
 public:
  explicit ListWidgetListBox(QListWidget& list, std::function<void()> written = {})
      : list_(list), written_(std::move(written)) {}
  void Clear() override;
  void AddItem(const std::string& item) override;

 private:
  QListWidget& list_;
  std::function<void()> written_;
};

// Keeps a calculation's warnings until the window reports them together.
class CollectingWarningBox : public calc::WarningBox {
 public:
  void Warn(const calc::Warning& warning) override { gathered.push_back(warning); }
  std::vector<calc::Warning> gathered;
};

// Hands each prompt to a replaceable function: the window shows a modal box,
// a test or an unattended run records the prompt and goes on.
class RelayMessageBox : public platform::MessageBox {
 public:
  using Handler = std::function<void(const std::string& prompt)>;
  explicit RelayMessageBox(Handler handler) : handler_(std::move(handler)) {}
  void Show(const std::string& prompt) override;
  void SetHandler(Handler handler) { handler_ = std::move(handler); }

 private:
  Handler handler_;
};

// The user's decimal separator for shown numbers. The procedures take a single
// character, so a separator that is not one ASCII character falls back to '.'.
char DecimalSeparatorOf(const QLocale& locale);

}  // namespace app
