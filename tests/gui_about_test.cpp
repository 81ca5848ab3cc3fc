// The About window: six fixed lines on light yellow, nothing to focus or press.

#include <algorithm>

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include "app/form1.h"
#include "app/form_about.h"

namespace {

const QColor kLightYellow(255, 255, 192);

}  // namespace

class AboutTest : public QObject {
  Q_OBJECT

 private slots:
  void CaptionSizeAndTitleBar() {
    app::FormAbout about;
    QCOMPARE(about.windowTitle(), QString("About"));
    QCOMPARE(about.size(), QSize(240, 118));
    QVERIFY(about.isWindow());
    QVERIFY(about.parentWidget() == nullptr);
    const Qt::WindowFlags flags = about.windowFlags();
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(flags & Qt::WindowCloseButtonHint);
  }

  void SixLinesInOrderWithTheirColoursAndSizes() {
    app::FormAbout about;
    struct Line {
      const char* name;
      QString text;
      QRect where;
      QColor colour;
      double points;
    };
    const QColor text_colour = about.palette().color(QPalette::WindowText);
    const QColor dark_green(0, 128, 0);
    const Line lines[] = {
        {"Label2", "Program for solving the problem", {16, 8, 209, 17}, dark_green, 9.75},
        {"Label3", "Intersection of Shocks", {32, 24, 169, 17}, dark_green, 9.75},
        {"Label7", "Developed by the Shocks team", {32, 40, 185, 17}, text_colour,
         8.25},
        {"Label8", "March 2006", {80, 56, 73, 17}, text_colour, 8.25},
        {"Label4", "For comments and questions e-mail to", {8, 72, 225, 17}, text_colour, 8.25},
        {"Label5", "maintainers@shocks.invalid", {56, 88, 129, 17}, QColor(0, 0, 255), 8.25},
    };
    QCOMPARE(about.findChildren<QLabel*>().size(), 6);
    QCOMPARE(about.findChildren<QWidget*>().size(), 6);
    for (const Line& line : lines) {
      auto* label = about.findChild<QLabel*>(line.name);
      QVERIFY2(label != nullptr, line.name);
      QCOMPARE(label->text(), line.text);
      // Where the text is longer than the line was drawn for, the label
      // reaches further right, up to the window's edge.
      const int needed = QFontMetrics(label->font()).horizontalAdvance(line.text) + 1;
      const int width = std::max(line.where.width(), std::min(needed, 240 - line.where.left()));
      QCOMPARE(label->geometry(), QRect(line.where.topLeft(), QSize(width, line.where.height())));
      QCOMPARE(label->palette().color(QPalette::WindowText), line.colour);
      QCOMPARE(label->palette().color(QPalette::Window), kLightYellow);
      QCOMPARE(label->font().family(), QString("Verdana"));
      QCOMPARE(label->font().pointSizeF(), line.points);
      QVERIFY(!label->font().bold());
      QVERIFY(!label->font().italic());
      QVERIFY(!label->font().underline());
    }
  }

  void LightYellowBehindTheText() {
    app::FormAbout about;
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    const QImage shot = about.grab().toImage();
    // Corners of the window and of a label hold no glyph.
    QCOMPARE(shot.pixelColor(0, 0), kLightYellow);
    QCOMPARE(shot.pixelColor(shot.width() - 1, shot.height() - 1), kLightYellow);
    QCOMPARE(shot.pixelColor(56, 88 + 16), kLightYellow);
  }

  void NothingTakesTheFocusOrOpensALink() {
    app::FormAbout about;
    about.show();
    about.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&about));
    for (QWidget* child : about.findChildren<QWidget*>()) {
      QCOMPARE(child->focusPolicy(), Qt::NoFocus);
    }
    QVERIFY(QApplication::focusWidget() == nullptr);
    auto* address = about.findChild<QLabel*>("Label5");
    QCOMPARE(address->textFormat(), Qt::PlainText);
    QCOMPARE(address->textInteractionFlags(), Qt::NoTextInteraction);
    QVERIFY(!address->openExternalLinks());
    QSignalSpy links(address, &QLabel::linkActivated);
    QTest::mouseClick(address, Qt::LeftButton, {}, QPoint(10, 8));
    QCOMPARE(links.count(), 0);
    QVERIFY(QApplication::focusWidget() == nullptr);
  }

  void MadeOnFirstUseAndKeptByTheMainWindow() {
    app::Form1 form;
    const auto about_windows = [] {
      QList<QWidget*> found;
      for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == "Form_About") found << widget;
      }
      return found;
    };
    QCOMPARE(about_windows().size(), 0);
    form.findChild<QAction*>("Mn_About")->trigger();
    QCOMPARE(about_windows().size(), 1);
    QWidget* first = about_windows().front();
    first->close();
    form.findChild<QAction*>("Mn_About")->trigger();
    QCOMPARE(about_windows(), QList<QWidget*>{first});
    QVERIFY(first->isVisible());
    QCOMPARE(first->findChild<QLabel*>("Label8")->text(), QString("March 2006"));
  }
};

QTEST_MAIN(AboutTest)
#include "gui_about_test.moc"
