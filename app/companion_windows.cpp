#include "app/companion_windows.h"

#include <QWidget>

#include "app/chart_window.h"
#include "app/domain_map_window.h"
#include "app/form1.h"
#include "app/triple_point_panel.h"

namespace app {

namespace {

void Bring(QWidget& window) {
  window.show();
  window.raise();
  window.activateWindow();
}

}  // namespace

CompanionWindows::CompanionWindows() = default;
CompanionWindows::~CompanionWindows() = default;

void CompanionWindows::ShowChart(const Form1& form) {
  if (!chart_) chart_ = std::make_unique<ChartWindow>();
  chart_->ShowCalculation(form);
  Bring(*chart_);
}

void CompanionWindows::ShowDomainMap(const Form1& form) {
  if (!domain_map_) {
    domain_map_ = std::make_unique<DomainMapWindow>();
    domain_map_->setWindowTitle("Domain map");
  }
  UpdateDomainMap(form);
  Bring(*domain_map_);
}

void CompanionWindows::ShowTriplePoints(const std::optional<exact::Configuration>& configuration) {
  if (!triple_points_) {
    triple_points_ = std::make_unique<TriplePointPanel>();
    triple_points_->setWindowTitle("Triple points");
    // Room for the sentence and both columns of the table at once.
    triple_points_->resize(660, 420);
  }
  UpdateTriplePoints(configuration);
  Bring(*triple_points_);
}

void CompanionWindows::Follow(const Form1& form,
                              const std::optional<exact::Configuration>& configuration) {
  if (chart_ && chart_->isVisible()) chart_->ShowCalculation(form);
  if (domain_map_ && domain_map_->isVisible()) UpdateDomainMap(form);
  if (triple_points_ && triple_points_->isVisible()) UpdateTriplePoints(configuration);
}

void CompanionWindows::UpdateDomainMap(const Form1& form) {
  const calc::CalcState& s = form.Procedures().State();
  domain_map_->SetInputs(s.M1, form.Procedures().Record().gamma, exact::MapPoint{s.TetaA, s.TetaB});
}

void CompanionWindows::UpdateTriplePoints(const std::optional<exact::Configuration>& configuration) {
  if (configuration) {
    triple_points_->SetConfiguration(*configuration);
  } else {
    triple_points_->Clear();
  }
}

}  // namespace app
