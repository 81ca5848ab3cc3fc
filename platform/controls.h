#pragma once

#include <string>

namespace platform {

// A single-line text field whose text the program reads and writes.
class TextBox {
 public:
  virtual ~TextBox() = default;
  virtual std::string Text() const = 0;
  virtual void SetText(const std::string& text) = 0;
};

// An unsorted single-column list: lines stay in the order they were added.
class ListBox {
 public:
  virtual ~ListBox() = default;
  virtual void Clear() = 0;
  virtual void AddItem(const std::string& item) = 0;
};

// A modal message with a single OK button. Show returns once the user has
// closed it (or at once where nobody can answer, as on the command line).
class MessageBox {
 public:
  virtual ~MessageBox() = default;
  virtual void Show(const std::string& prompt) = 0;
};

}  // namespace platform
