// The domain map window and its pictures, and the triple-point panel.

#include <QApplication>
#include <QImage>
#include <QTableWidget>
#include <QTest>

#include "app/domain_map_window.h"
#include "app/triple_point_panel.h"
#include "render/domain_map_painter.h"

namespace {

// Pixels of exactly one colour: the regions are filled flat, so a region
// shows as many pixels of its colour, a legend swatch as a few hundred.
int Count(const QImage& image, QColor colour) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  const QRgb wanted = colour.rgb();
  int n = 0;
  for (int y = 0; y < rgb.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    for (int x = 0; x < rgb.width(); ++x) n += line[x] == wanted;
  }
  return n;
}

const QColor kRegular(200, 228, 196), kDual(252, 226, 160), kMach(244, 190, 190);

}  // namespace

class MachWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void MapWindowShowsTheRegionsOfItsFreeStream() {
    app::DomainMapWindow window;
    window.resize(800, 600);
    window.SetInputs(5.0, 1.4, exact::MapPoint{10.0, 5.0});
    QVERIFY(window.Map().has_value());
    QVERIFY(window.Problem().isEmpty());
    QImage shot = window.grab().toImage();
    QVERIFY(Count(shot, kRegular) > 20000);
    QVERIFY(Count(shot, kDual) > 10000);
    QVERIFY(Count(shot, kMach) > 10000);

    // At M1 = 1.5 only the regular intersection can stand.
    window.SetInputs(1.5, 1.4, exact::MapPoint{5.0, 5.0});
    shot = window.grab().toImage();
    QVERIFY(Count(shot, kRegular) > 20000);
    QVERIFY(Count(shot, kDual) < 2000);
    QVERIFY(Count(shot, kMach) < 2000);

    // Small, the window still draws its map.
    window.resize(window.minimumSize());
    QVERIFY(Count(window.grab().toImage(), kRegular) > 2000);
  }

  void NewInputsOnTheSameFreeStreamMoveTheMark() {
    app::DomainMapWindow window;
    window.SetInputs(5.0, 1.4, exact::MapPoint{10.0, 5.0});
    QCOMPARE(window.Map()->current_kind, exact::ConfigurationKind::Regular);
    window.SetInputs(5.0, 1.4, exact::MapPoint{30.0, 35.0});
    QCOMPARE(window.Map()->current->TetaA, 30.0);
    QCOMPARE(window.Map()->current_kind, exact::ConfigurationKind::Mach);
    window.SetInputs(5.0, 1.4, std::nullopt);
    QVERIFY(!window.Map()->current.has_value());
  }

  void ImpossibleFreeStreamIsToldInsteadOfAMap() {
    app::DomainMapWindow window;
    window.SetInputs(0.8, 1.4, exact::MapPoint{10.0, 5.0});
    QVERIFY(!window.Map().has_value());
    QVERIFY2(window.Problem().contains("0.800"), qPrintable(window.Problem()));
    window.grab();  // paints the sentence
  }

  void PicturesForExport() {
    const exact::DomainMap map = exact::BuildDomainMap(5.0, 1.4, exact::MapPoint{10.0, 5.0});
    const QByteArray svg = render::DomainMapSvg(map, QSize(720, 560));
    QVERIFY(svg.contains("<svg"));
    QVERIFY(svg.contains("von Neumann"));
    QVERIFY(svg.contains("detachment"));
    QImage png;
    QVERIFY(png.loadFromData(render::DomainMapPng(map, QSize(360, 280), 2.0), "PNG"));
    QCOMPARE(png.size(), QSize(720, 560));
    QVERIFY(Count(png, kDual) > 2000);
  }

  void PanelListsBothTriplePoints() {
    app::TriplePointPanel panel;
    const exact::Configuration mach = exact::FindConfiguration(3.0, 30.0, 25.0);
    panel.SetConfiguration(mach);
    const QTableWidget& table = panel.Table();
    QCOMPARE(table.rowCount(), 11);
    QCOMPARE(table.item(0, 0)->text(), QString("direct"));
    QCOMPARE(table.item(1, 0)->text(), QString::number(mach.triple_point_A->slip_line, 'f', 4));
    QCOMPARE(table.item(1, 1)->text(), QString::number(mach.triple_point_B->slip_line, 'f', 4));
    QCOMPARE(table.item(9, 1)->text(), QString::number(mach.triple_point_B->behind_stem.p, 'f', 4));
    QVERIFY2(panel.Summary().startsWith("Mach intersection: "), qPrintable(panel.Summary()));

    panel.SetConfiguration(exact::FindConfiguration(3.0, 10.0, 5.0));
    QVERIFY(table.item(0, 0) == nullptr);
    QVERIFY2(panel.Summary().startsWith("Regular intersection: "), qPrintable(panel.Summary()));
  }
};

QTEST_MAIN(MachWindowsTest)
#include "gui_mach_test.moc"
