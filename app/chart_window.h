#pragma once

#include <functional>
#include <vector>

#include <QMainWindow>
#include <QString>

#include "chart/chart_data.h"

class QLabel;

namespace app {

class ChartView;
class Form1;

// The pressure-deflection chart of the main window's calculation in a window
// of its own, beside the original picture box: readable axes, both branches
// of every polar, the limits, the states, the solutions and the search path;
// zoom, pan, fit, a readout under the cursor and export to PNG, SVG and CSV.
class ChartWindow : public QMainWindow {
 public:
  explicit ChartWindow(QWidget* parent = nullptr);
  ~ChartWindow() override;

  // The chart of the last calculation of `form` (before any, a chart that
  // asks for one), the view fitted to it.
  void ShowCalculation(const Form1& form);
  void ShowChart(chart::ChartData data);

  // More marks for every chart of a calculation (triple points, say), made
  // from the same inputs; they join the fitted view and the readout.
  using MarkSource = std::function<std::vector<chart::Mark>(const chart::ChartInputs&)>;
  void AddMarkSource(MarkSource source) { mark_sources_.push_back(std::move(source)); }

  ChartView& View() { return *view_; }
  QString Readout() const;

  // The chart as the window shows it now (its view, its size), written whole
  // or not at all. Each throws std::runtime_error with the path and the reason.
  void ExportPng(const QString& path, double scale) const;
  void ExportSvg(const QString& path) const;
  void ExportCsv(const QString& path) const;

 private:
  void BuildMenus();
  // Asks for a file (and for a PNG its scale), writes it, and tells a failure in a box.
  void ExportWithDialog(const QString& kind);

  ChartView* view_ = nullptr;
  QLabel* readout_ = nullptr;
  std::vector<MarkSource> mark_sources_;
};

}  // namespace app
