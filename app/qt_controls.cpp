#include "app/qt_controls.h"

#include <QLineEdit>
#include <QListWidget>

namespace app {

std::string LineEditTextBox::Text() const { return edit_.text().toStdString(); }

void LineEditTextBox::SetText(const std::string& text) {
  edit_.setText(QString::fromStdString(text));
  // A narrow field shows the start of its text, not the end where setText
  // leaves the cursor.
  edit_.setCursorPosition(0);
  if (written_) written_();
}

void ListWidgetListBox::Clear() {
  list_.clear();
  if (written_) written_();
}

void ListWidgetListBox::AddItem(const std::string& item) {
  list_.addItem(QString::fromStdString(item));
  if (written_) written_();
}

void RelayMessageBox::Show(const std::string& prompt) {
  if (handler_) handler_(prompt);
}

char DecimalSeparatorOf(const QLocale& locale) {
  const QString point = locale.decimalPoint();
  if (point.size() == 1 && point.at(0).unicode() > 0x20 && point.at(0).unicode() < 0x7F) {
    return static_cast<char>(point.at(0).unicode());
  }
  return '.';
}

}  // namespace app
