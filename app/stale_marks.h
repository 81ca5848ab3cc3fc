#pragma once

#include <set>
#include <vector>

class QWidget;

namespace app {

// The tooltip of whatever the last calculation did not write.
inline constexpr const char* kStaleTip = "not from the last calculation";

// Marks the result fields, the log and the diagram that the last calculation
// did not write: they keep their texts and drawing, greyed and with a tooltip,
// until a calculation writes them again, so that no old number looks current.
class StaleMarks {
 public:
  void Watch(QWidget* widget);
  // A calculation starts: every watched widget counts as unwritten.
  void BeginCalculation();
  // A calculation (or the exact solution after it) wrote this widget.
  void Written(QWidget* widget);
  // The calculation ended: what it did not write is shown as stale.
  void EndCalculation();
  bool IsStale(const QWidget* widget) const { return stale_.contains(widget); }

 private:
  static void ShowStale(QWidget* widget, bool stale);

  std::vector<QWidget*> watched_;
  std::set<const QWidget*> unwritten_;
  std::set<const QWidget*> stale_;
  bool calculating_ = false;
};

}  // namespace app
