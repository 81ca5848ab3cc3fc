// The installed icon files are the icon the program draws: each PNG is the
// drawing at its size, and the scalable SVG renders to the same picture.
// A PNG that differs is written beside this test's build, ready to replace it.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTest>

#include "app/app_icon.h"

namespace {

const QString kIcons = QStringLiteral(SHOCKS_ICON_DIR);
constexpr int kSizes[] = {16, 24, 32, 48, 64, 128, 256};

// Pixels whose colour differs by more than `tolerance` in some channel.
int DifferingPixels(const QImage& a, const QImage& b, int tolerance) {
  const QImage x = a.convertToFormat(QImage::Format_ARGB32);
  const QImage y = b.convertToFormat(QImage::Format_ARGB32);
  int count = 0;
  for (int row = 0; row < x.height(); ++row) {
    for (int column = 0; column < x.width(); ++column) {
      const QRgb p = x.pixel(column, row), q = y.pixel(column, row);
      if (std::abs(qRed(p) - qRed(q)) > tolerance || std::abs(qGreen(p) - qGreen(q)) > tolerance ||
          std::abs(qBlue(p) - qBlue(q)) > tolerance || std::abs(qAlpha(p) - qAlpha(q)) > tolerance) {
        ++count;
      }
    }
  }
  return count;
}

QString PngPath(int size) { return kIcons + QString("/%1x%1/apps/shocks.png").arg(size); }

}  // namespace

class IconFilesTest : public QObject {
  Q_OBJECT

 private slots:
  void EachPngIsTheDrawingAtItsSize() {
    QStringList faults;
    for (const int size : kSizes) {
      const QImage drawn = app::ShocksIconPicture(size).toImage();
      const QImage file(PngPath(size));
      const int differing =
          file.size() == drawn.size() ? DifferingPixels(drawn, file, 8) : size * size;
      if (differing > 0) {
        const QString fresh = QDir::current().filePath(QString("shocks-%1.png").arg(size));
        drawn.save(fresh);
        faults << QString("%1 differs from the drawing in %2 pixels; the drawing is in %3")
                      .arg(PngPath(size))
                      .arg(differing)
                      .arg(fresh);
      }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join("\n")));
  }

  void ScalableSvgRendersAsTheDrawing() {
    QSvgRenderer svg(kIcons + "/scalable/apps/shocks.svg");
    QVERIFY(svg.isValid());
    // At 16 pixels the drawing thickens its lines; the SVG is the larger sizes.
    for (const int size : {32, 64, 256}) {
      QImage rendered(size, size, QImage::Format_ARGB32);
      rendered.fill(Qt::transparent);
      QPainter painter(&rendered);
      svg.render(&painter);
      painter.end();
      const QImage drawn = app::ShocksIconPicture(size).toImage();
      // Edges may be smoothed a little differently; the lines must be in place.
      QVERIFY2(DifferingPixels(drawn, rendered, 48) <= size / 16,
               qPrintable(QString("at %1 pixels %2 pixels differ")
                              .arg(size)
                              .arg(DifferingPixels(drawn, rendered, 48))));
    }
  }
};

QTEST_MAIN(IconFilesTest)
#include "gui_icon_files_test.moc"
