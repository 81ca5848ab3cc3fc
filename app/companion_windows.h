#pragma once

#include <memory>
#include <optional>

#include "exact/configuration.h"

namespace app {

class ChartWindow;
class DomainMapWindow;
class Form1;
class TriplePointPanel;

// The windows beside the main one that show more of its calculation: the
// pressure-deflection chart, the domain map of the free stream and the
// triple points of a Mach intersection. Each is made on first use, kept
// afterwards (never owned by Qt) and, while open, follows every Calculate.
class CompanionWindows {
 public:
  CompanionWindows();
  ~CompanionWindows();

  void ShowChart(const Form1& form);
  void ShowDomainMap(const Form1& form);
  void ShowTriplePoints(const std::optional<exact::Configuration>& configuration);
  // After a calculation: the open windows show it.
  void Follow(const Form1& form, const std::optional<exact::Configuration>& configuration);

  ChartWindow* Chart() const { return chart_.get(); }
  DomainMapWindow* DomainMap() const { return domain_map_.get(); }
  TriplePointPanel* TriplePoints() const { return triple_points_.get(); }

 private:
  void UpdateDomainMap(const Form1& form);
  void UpdateTriplePoints(const std::optional<exact::Configuration>& configuration);

  std::unique_ptr<ChartWindow> chart_;
  std::unique_ptr<DomainMapWindow> domain_map_;
  std::unique_ptr<TriplePointPanel> triple_points_;
};

}  // namespace app
