#pragma once

#include <string>
#include <vector>

#include "platform/controls.h"

namespace platform {

// Controls that keep their content in memory: the command line and the tests
// hand these to the same procedures the window runs.

class MemoryTextBox : public TextBox {
 public:
  explicit MemoryTextBox(std::string text = {}) : text_(std::move(text)) {}
  std::string Text() const override { return text_; }
  void SetText(const std::string& text) override { text_ = text; }

 private:
  std::string text_;
};

class MemoryListBox : public ListBox {
 public:
  void Clear() override { items.clear(); }
  void AddItem(const std::string& item) override { items.push_back(item); }
  std::vector<std::string> items;
};

// Nobody can answer a box here: each prompt is kept, and the run goes on as
// after the user closed it.
class MemoryMessageBox : public MessageBox {
 public:
  void Show(const std::string& prompt) override { shown.push_back(prompt); }
  std::vector<std::string> shown;
};

}  // namespace platform
