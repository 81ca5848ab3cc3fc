#include "app/chart_window.h"

#include <algorithm>
#include <stdexcept>

#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

#include "app/chart_export.h"
#include "app/chart_view.h"
#include "app/form1.h"
#include "chart/chart_csv.h"
#include "chart/from_calculation.h"
#include "platform/atomic_file.h"

namespace app {

namespace {

const QString kHint =
    "Wheel: zoom \u2022 drag: zoom into a rectangle \u2022 middle or Shift+drag: pan \u2022 "
    "double or right click: fit";

void WriteWhole(const QString& path, const QByteArray& bytes) {
  platform::WriteFileAtomically(path.toStdString(), std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

}  // namespace

ChartWindow::ChartWindow(QWidget* parent) : QMainWindow(parent) {
  setObjectName("ChartWindow");
  setWindowTitle("Shocks \u2014 pressure-deflection chart");
  view_ = new ChartView(this);
  setCentralWidget(view_);
  readout_ = new QLabel(this);
  readout_->setObjectName("Readout");
  readout_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  // Two lines: the place under the cursor (and a mark there), the nearest curve point.
  readout_->setMinimumHeight(2 * readout_->fontMetrics().lineSpacing() + 4);
  statusBar()->addWidget(readout_, 1);
  // Off the plot the bar says how to move about in it.
  view_->SetReadoutHandler([this](const QString& text) { readout_->setText(text.isEmpty() ? kHint : text); });
  readout_->setText(kHint);
  BuildMenus();
  resize(1000, 680);
}

ChartWindow::~ChartWindow() = default;

void ChartWindow::BuildMenus() {
  menuBar()->setNativeMenuBar(false);
  QMenu* menu = menuBar()->addMenu("&Chart");
  QToolBar* tools = addToolBar("Chart");
  tools->setObjectName("ChartTools");
  tools->setMovable(false);

  QAction* fit = menu->addAction("Fit", [this] { view_->Plot().Fit(); });
  fit->setObjectName("Fit");
  fit->setShortcuts({QKeySequence(Qt::Key_Home), QKeySequence(Qt::CTRL | Qt::Key_0)});
  QAction* zoom_in = menu->addAction("Zoom in", [this] {
    view_->Plot().ZoomAbout(view_->Plot().plotArea().center(), 1.5);
  });
  zoom_in->setShortcut(QKeySequence::ZoomIn);
  QAction* zoom_out = menu->addAction("Zoom out", [this] {
    view_->Plot().ZoomAbout(view_->Plot().plotArea().center(), 1.0 / 1.5);
  });
  zoom_out->setShortcut(QKeySequence::ZoomOut);
  tools->addAction(fit);
  tools->addAction(zoom_in);
  tools->addAction(zoom_out);
  tools->addSeparator();

  menu->addSeparator();
  for (const QString kind : {"PNG", "SVG", "CSV"}) {
    QAction* action = menu->addAction("Export " + kind + "\u2026", [this, kind] { ExportWithDialog(kind); });
    action->setObjectName("Export" + kind);
    tools->addAction(action);
  }
  menu->addSeparator();
  QAction* close_action = menu->addAction("Close", this, &QWidget::close);
  close_action->setShortcut(QKeySequence::Close);
}

void ChartWindow::ShowCalculation(const Form1& form) {
  const calc::Form1Procedures& procedures = form.Procedures();
  // Every calculation reads its input texts into the record; before the first
  // the record holds none.
  const auto& texts = procedures.Record().input_texts;
  if (std::all_of(texts.begin(), texts.end(), [](const std::string& t) { return t.empty(); })) {
    chart::ChartData nothing;
    nothing.title = "No calculation yet: press Calculate in the main window";
    nothing.fit = chart::FitView(nothing);
    ShowChart(std::move(nothing));
    return;
  }
  // Rows 7 to 15 hold a solution of this calculation unless it left them stale.
  const auto* fi = form.findChild<QLineEdit*>("Text_Fi");
  const bool shown = fi != nullptr && !form.Stale().IsStale(fi);
  const chart::ChartInputs inputs = chart::InputsOf(procedures, shown);
  chart::ChartData data = chart::MakeChart(inputs);
  for (const MarkSource& source : mark_sources_) {
    for (chart::Mark& mark : source(inputs)) data.marks.push_back(std::move(mark));
  }
  data.fit = chart::FitView(data);
  ShowChart(std::move(data));
}

void ChartWindow::ShowChart(chart::ChartData data) { view_->Plot().Show(std::move(data)); }

QString ChartWindow::Readout() const { return readout_->text(); }

void ChartWindow::ExportPng(const QString& path, double scale) const {
  const ChartPlot& plot = view_->Plot();
  WriteWhole(path, ChartPng(plot.Data(), plot.CurrentView(), plot.size().toSize(), scale));
}

void ChartWindow::ExportSvg(const QString& path) const {
  const ChartPlot& plot = view_->Plot();
  WriteWhole(path, ChartSvg(plot.Data(), plot.CurrentView(), plot.size().toSize()));
}

void ChartWindow::ExportCsv(const QString& path) const {
  const std::string csv = chart::ChartCsv(view_->Plot().Data());
  platform::WriteFileAtomically(path.toStdString(), csv);
}

void ChartWindow::ExportWithDialog(const QString& kind) {
  const QString suffix = kind.toLower();
  const QString path = QFileDialog::getSaveFileName(this, "Export the chart as " + kind, "chart." + suffix,
                                                    kind + " files (*." + suffix + ")");
  if (path.isEmpty()) return;
  double scale = 1.0;
  if (kind == "PNG") {
    bool ok = false;
    scale = QInputDialog::getInt(this, "Export PNG", "Pixels per screen pixel (1 to 4):", 2, 1, 4, 1, &ok);
    if (!ok) return;
  }
  try {
    if (kind == "PNG") ExportPng(path, scale);
    if (kind == "SVG") ExportSvg(path);
    if (kind == "CSV") ExportCsv(path);
  } catch (const std::exception& error) {
    ShowModalBox(this, QString::fromStdString(error.what()), /*warning=*/true);
  }
}

}  // namespace app
