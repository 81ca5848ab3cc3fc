// The chart window off screen: opened from the main window and following its
// Calculate, the wheel, a dragged rectangle, panning, resizing, the readout
// and the export of PNG, SVG and CSV.

#include <cmath>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>

#include "app/chart_view.h"
#include "app/chart_window.h"
#include "app/form1.h"

namespace {

void Calculate(app::Form1& form, const char* M1, const char* TetaA, const char* TetaB) {
  form.findChild<QLineEdit*>("Text_M1")->setText(M1);
  form.findChild<QLineEdit*>("Text_TetaA")->setText(TetaA);
  form.findChild<QLineEdit*>("Text_TetaB")->setText(TetaB);
  form.findChild<QPushButton*>("Command1")->click();
}

app::ChartWindow* ChartWindowShown() {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->objectName() == "ChartWindow" && widget->isVisible()) return static_cast<app::ChartWindow*>(widget);
  }
  return nullptr;
}

// Where a chart point lies in the view's viewport.
QPoint ViewportPoint(app::ChartWindow& window, const chart::Point& at) {
  app::ChartPlot& plot = window.View().Plot();
  return window.View().mapFromScene(plot.mapToScene(plot.PositionOf(at)));
}

const chart::Mark* MarkOf(const chart::ChartData& data, chart::MarkKind kind) {
  for (const chart::Mark& mark : data.marks) {
    if (mark.kind == kind) return &mark;
  }
  return nullptr;
}

void Wheel(app::ChartWindow& window, QPoint at, int delta) {
  QWidget* viewport = window.View().viewport();
  QWheelEvent event(at, viewport->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                    Qt::NoScrollPhase, false);
  QApplication::sendEvent(viewport, &event);
}

// The mouse moved to `at` with no button down, as the readout sees it.
void MoveTo(app::ChartWindow& window, QPoint at) {
  QWidget* viewport = window.View().viewport();
  QMouseEvent event(QEvent::MouseMove, at, viewport->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(viewport, &event);
}

bool Inside(const chart::View& view, const chart::Polar& polar) {
  for (const chart::Curve* curve : {&polar.weak, &polar.strong}) {
    for (const chart::CurvePoint& q : curve->points) {
      if (q.theta < view.theta.lo || q.theta > view.theta.hi || q.p < view.p.lo || q.p > view.p.hi) return false;
    }
  }
  return true;
}

}  // namespace

class ChartWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    form_ = std::make_unique<app::Form1>();
    form_->SetReporters({[](const std::string&) {}, [](const app::CalculationReport&) { return false; }});
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
  }
  void cleanup() { form_.reset(); }

  // Ctrl+D's entry opens the chart of the last calculation; the readout over
  // the exact solution names it at 4.98 degrees and p/p1 = 2.840, the cursor's
  // own values agreeing to the pixel; each Calculate redraws the open chart.
  void OpensAndFollowsCalculate() {
    QAction* diagram = form_->findChild<QAction*>("Mn_Diagram");
    QVERIFY(diagram != nullptr);
    QCOMPARE(diagram->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_D));
    diagram->trigger();
    app::ChartWindow* window = ChartWindowShown();
    QVERIFY(window != nullptr);
    QVERIFY(window->View().Plot().Data().title.starts_with("No calculation yet"));

    Calculate(*form_, "3", "10", "5");
    QVERIFY(QTest::qWaitForWindowExposed(window));
    const chart::ChartData& data = window->View().Plot().Data();
    QCOMPARE(data.polars.size(), 3u);
    const chart::Mark* exact = MarkOf(data, chart::MarkKind::ExactSolution);
    QVERIFY(exact != nullptr);
    QVERIFY(MarkOf(data, chart::MarkKind::MethodSolution) != nullptr);
    QCOMPARE(data.search_path.size(), form_->Procedures().Record().search_path.size());

    const QPoint at = ViewportPoint(*window, exact->at);
    MoveTo(*window, at);
    const QString readout = window->Readout();
    QVERIFY2(readout.contains("Fi = 4.98\u00b0, p/p1 = 2.840"), qPrintable(readout));
    QVERIFY2(readout.contains("\nNearest: region"), qPrintable(readout));
    double theta = 0, p = 0;
    QCOMPARE(std::sscanf(readout.toUtf8().constData(), "\u03b8 = %lf\u00b0, p/p1 = %lf", &theta, &p), 2);
    const chart::PixelScale scale = window->View().Plot().Scale();
    QVERIFY2(std::abs(theta - 4.98) <= 1.5 / scale.per_degree, qPrintable(readout));
    QVERIFY2(std::abs(p - 2.840) <= 1.5 / scale.per_p, qPrintable(readout));

    // A mark added by another part of the program shows with its label.
    window->AddMarkSource([](const chart::ChartInputs& in) {
      return std::vector<chart::Mark>{{chart::MarkKind::Other, {in.TetaA, 100.0}, 0, "Added point"}};
    });
    // At M1 = 5 with 20/20 every polar lies inside the view it opens with.
    Calculate(*form_, "5", "20", "20");
    const chart::ChartData& wide = window->View().Plot().Data();
    QVERIFY(wide.title.starts_with("M1 = 5,"));
    QCOMPARE(wide.polars.size(), 3u);
    for (const chart::Polar& polar : wide.polars) QVERIFY(Inside(window->View().Plot().CurrentView(), polar));
    const chart::Mark* added = MarkOf(wide, chart::MarkKind::Other);
    QVERIFY(added != nullptr && added->at.theta == 20.0);
    QVERIFY(window->View().Plot().CurrentView().p.hi > 100.0);
    bool labelled = false;
    for (const auto& [text, rect] : window->View().Plot().ShownLabels()) labelled = labelled || text == "Added point";
    QVERIFY(labelled);

    // Without a regular solution the chart says why and marks none.
    form_->SetMethod(calc::Method::Exact);
    Calculate(*form_, "1.5", "10", "10");
    QVERIFY(MarkOf(window->View().Plot().Data(), chart::MarkKind::ExactSolution) == nullptr);
    QVERIFY(window->View().Plot().title().contains("No regular intersection"));
  }

  // The wheel zooms about the cursor, a dragged rectangle zooms into it,
  // Shift and a drag pans, Fit returns to the whole; resizing keeps the view
  // and its labels inside the plot and apart.
  void ZoomPanFitAndResize() {
    form_->findChild<QAction*>("Mn_Diagram")->trigger();
    app::ChartWindow* window = ChartWindowShown();
    Calculate(*form_, "3", "10", "5");
    window->resize(1000, 680);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    app::ChartPlot& plot = window->View().Plot();
    const chart::View fit = plot.CurrentView();
    const QPoint at = ViewportPoint(*window, {2.0, 4.0});
    const auto value_at = [&] { return plot.ValueAt(plot.mapFromScene(window->View().mapToScene(at))); };
    const chart::Point under = value_at();

    Wheel(*window, at, 240);  // two notches closer, the point under the cursor staying there
    chart::View v = plot.CurrentView();
    QCOMPARE_LE(std::abs((fit.theta.hi - fit.theta.lo) / (v.theta.hi - v.theta.lo) - 1.44), 1e-9);
    QCOMPARE_LE(std::abs(value_at().theta - under.theta), 1e-9);
    QCOMPARE_LE(std::abs(value_at().p - under.p), 1e-9);
    Wheel(*window, at, -240);
    v = plot.CurrentView();
    QCOMPARE_LE(std::abs(v.theta.hi - v.theta.lo - (fit.theta.hi - fit.theta.lo)), 1e-9);

    // A rectangle from (0, 2) to (10, 3.5) becomes the view.
    QWidget* viewport = window->View().viewport();
    const QPoint from = ViewportPoint(*window, {0.0, 3.5}), to = ViewportPoint(*window, {10.0, 2.0});
    QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, from);
    QTest::mouseMove(viewport, (from + to) / 2);
    QTest::mouseMove(viewport, to);
    QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, to);
    v = plot.CurrentView();
    QVERIFY2(std::abs(v.theta.lo - 0.0) < 0.3 && std::abs(v.theta.hi - 10.0) < 0.3, qPrintable(QString::number(v.theta.lo)));
    QVERIFY(std::abs(v.p.lo - 2.0) < 0.1 && std::abs(v.p.hi - 3.5) < 0.1);

    // Shift and a drag of 100 pixels to the right shows what lay left of the view.
    const chart::View before = plot.CurrentView();
    const double per_degree = plot.Scale().per_degree;
    const QPoint middle = ViewportPoint(*window, {5.0, 2.75});
    QTest::mousePress(viewport, Qt::LeftButton, Qt::ShiftModifier, middle);
    QTest::mouseMove(viewport, middle + QPoint(100, 0));
    QTest::mouseRelease(viewport, Qt::LeftButton, Qt::ShiftModifier, middle + QPoint(100, 0));
    v = plot.CurrentView();
    QCOMPARE_LE(std::abs(before.theta.lo - v.theta.lo - 100 / per_degree), 1e-6);
    QCOMPARE(v.p.lo, before.p.lo);

    window->findChild<QAction*>("Fit")->trigger();
    QCOMPARE(plot.CurrentView().theta.lo, fit.theta.lo);

    const QRectF large = plot.plotArea();
    window->resize(560, 420);
    QTRY_VERIFY(plot.plotArea().width() < large.width() - 200);
    QCOMPARE(plot.CurrentView().theta.hi, fit.theta.hi);
    const auto labels = plot.ShownLabels();
    QVERIFY(labels.size() >= 4);  // the three regions and the exact solution at least
    for (std::size_t i = 0; i < labels.size(); ++i) {
      QVERIFY2(plot.plotArea().contains(labels[i].second), qPrintable(labels[i].first));
    }
  }

  // PNG at the chosen scale, SVG with its texts, CSV with every point; a file
  // that cannot be written is reported and leaves nothing behind.
  void Exports() {
    form_->findChild<QAction*>("Mn_Diagram")->trigger();
    app::ChartWindow* window = ChartWindowShown();
    Calculate(*form_, "3", "10", "5");
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QTemporaryDir dir;
    const QString png = dir.filePath("c.png"), svg = dir.filePath("c.svg"), csv = dir.filePath("c.csv");
    window->ExportPng(png, 2);
    window->ExportSvg(svg);
    window->ExportCsv(csv);

    const QImage image(png);
    QCOMPARE(image.size(), window->View().Plot().size().toSize() * 2);
    QFile svg_file(svg);
    QVERIFY(svg_file.open(QIODevice::ReadOnly));
    const QString document = QString::fromUtf8(svg_file.readAll());
    for (const char* text : {">Region 2, M = 2.505<", ">Exact: Fi = 4.98\u00b0, p/p1 = 2.840<", ">-20<", ">Pressure p/p1<"}) {
      QVERIFY2(document.contains(QString::fromUtf8(text)), text);
    }
    QFile csv_file(csv);
    QVERIFY(csv_file.open(QIODevice::ReadOnly));
    QCOMPARE(csv_file.readAll().count('\n'), 1 + 3 * 2 * 199);

    const QString nowhere = dir.filePath("missing/c.png");
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, window->ExportPng(nowhere, 1));
    QVERIFY(!QFile::exists(nowhere));
  }

 private:
  std::unique_ptr<app::Form1> form_;
};

QTEST_MAIN(ChartWindowTest)
#include "gui_chart_test.moc"
