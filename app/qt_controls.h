#pragma once

// The platform's controls for the calculating procedures, over Qt widgets.

#include <functional>
#include <string>

#include <QLocale>

#include "platform/controls.h"

class QLineEdit;
class QListWidget;

namespace app {

class LineEditTextBox : public platform::TextBox {
 public:
  explicit LineEditTextBox(QLineEdit& edit) : edit_(edit) {}
  std::string Text() const override;
  void SetText(const std::string& text) override;

 private:
  QLineEdit& edit_;
};

class ListWidgetListBox : public platform::ListBox {
 public:
  explicit ListWidgetListBox(QListWidget& list) : list_(list) {}
  void Clear() override;
  void AddItem(const std::string& item) override;

 private:
  QListWidget& list_;
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
