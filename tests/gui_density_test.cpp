// The diagram on a dense screen: run with QT_SCALE_FACTOR=2.

#include <QApplication>
#include <QPushButton>
#include <QTest>

#include "app/form1.h"
#include "app/picture_box.h"
#include "platform/runtime_error.h"

class DensityTest : public QObject {
  Q_OBJECT

 private slots:
  void ImageHoldsDevicePixelsAndShowsAtLogicalSize() {
    app::Form1 form;
    form.SetReporters({[](const std::string&) {}, [](const app::CalculationReport& report) {
                         if (report.failure) qFatal("%s", report.failure->description.c_str());
                         return false;
                       }});
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.devicePixelRatioF(), 2.0);
    // Laid out in logical pixels as on any screen.
    QCOMPARE(form.Picture1().size(), QSize(357, 333));
    QTest::mouseClick(form.findChild<QPushButton*>("Command1"), Qt::LeftButton);

    const QImage image = form.Picture1().Image();
    QCOMPARE(image.devicePixelRatio(), 2.0);
    QCOMPARE(image.size(), QSize(2 * 353, 2 * 329));
    QCOMPARE(image.deviceIndependentSize().toSize(), QSize(353, 329));

    // On screen, device pixel for device pixel: the grab of the box equals the
    // image inside the border, and the diagram reaches into the compared part.
    int drawn = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < 2 * 170; ++x) drawn += image.pixelColor(x, y) != QColor(255, 255, 192);
    }
    QVERIFY(drawn > 500);
    const QImage screen = form.Picture1().grab().toImage().convertToFormat(image.format());
    QCOMPARE(screen.devicePixelRatio(), 2.0);
    const int border = 2 * app::PictureBox::kBorder;
    // Left of the axis letters, which stand on top of the image.
    const int columns = 2 * 170;
    QCOMPARE(screen.copy(border, border, columns, image.height()),
             image.copy(0, 0, columns, image.height()));
  }
};

QTEST_MAIN(DensityTest)
#include "gui_density_test.moc"
