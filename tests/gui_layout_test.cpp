// Where the main window's controls stand, in pixels, and how the window
// behaves as a window: caption, menu, buttons of the title bar, resizing.

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include "app/app_icon.h"
#include "app/form1.h"
#include "app/form_about.h"
#include "app/form_layout.h"
#include "app/picture_box.h"
#include "app/qt_controls.h"

class LayoutTest : public QObject {
  Q_OBJECT

 private:
  // A control's rectangle in client-area pixels, whatever frames hold it.
  static QRect InClient(app::Form1& form, const char* name) {
    auto* widget = form.findChild<QWidget*>(name);
    if (widget == nullptr) return {};
    return QRect(widget->mapTo(form.centralWidget(), QPoint(0, 0)), widget->size());
  }

 private slots:
  void TwipsBecomePixelsAtFifteenToOne() {
    QCOMPARE(app::TwipsToPixels(9615), 641);
    QCOMPARE(app::TwipsToPixels(7920), 528);
    QCOMPARE(app::TwipsToPixels(285), 19);
    QCOMPARE(app::TwipsToPixels(0), 0);
    QCOMPARE(app::TwipsToPixels(7), 0);
    QCOMPARE(app::TwipsToPixels(8), 1);
    QCOMPARE(app::ToPixels({2040, 120, 5355, 4995}), QRect(136, 8, 357, 333));
  }

  void DecimalSeparatorFollowsTheLocale() {
    QCOMPARE(app::DecimalSeparatorOf(QLocale::c()), '.');
    QCOMPARE(app::DecimalSeparatorOf(QLocale(QLocale::German, QLocale::Germany)), ',');
    QCOMPARE(app::DecimalSeparatorOf(QLocale(QLocale::English, QLocale::UnitedStates)), '.');
    // Not a single ASCII character: the procedures fall back to '.'.
    QCOMPARE(app::DecimalSeparatorOf(QLocale(QLocale::Arabic, QLocale::Egypt)), '.');
  }

  void ColourValuesKeepRedInTheLowestByte() {
    QCOMPARE(app::ColourFromValue(12648447), QColor(255, 255, 192));
    QCOMPARE(app::ColourFromValue(32768), QColor(0, 128, 0));
    QCOMPARE(app::ColourFromValue(16711680), QColor(0, 0, 255));
    QCOMPARE(app::ColourFromValue(255), QColor(255, 0, 0));
  }

  void IconComesInTwoSizes() {
    const QIcon icon = app::ShocksIcon();
    const QList<QSize> sizes = icon.availableSizes();
    QVERIFY(sizes.contains(QSize(16, 16)));
    QVERIFY(sizes.contains(QSize(32, 32)));
    // Two crossing shocks on the light yellow of the diagram, not a blank square.
    const QImage picture = icon.pixmap(QSize(32, 32)).toImage();
    QCOMPARE(picture.pixelColor(8, 16), QColor(255, 255, 192));
    int blue = 0;
    for (int y = 0; y < 32; ++y) {
      for (int x = 0; x < 16; ++x) blue += picture.pixelColor(x, y).blue() > 200 &&
                                           picture.pixelColor(x, y).red() < 100;
    }
    QVERIFY(blue >= 10);
  }

  void CaptionAndClientArea() {
    app::Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.windowTitle(),
             QString::fromUtf8("Farkl\u0131 AiledenKesi\u015Fen \u015Foklar\u0131n P-Teta "
                               "diyagram\u0131yla incelenmesi"));
    QCOMPARE(form.centralWidget()->size(), QSize(641, 528));
    // The menu bar sits on top of the client area, not inside it.
    QVERIFY(form.menuBar()->isVisible());
    QCOMPARE(form.centralWidget()->geometry().top(), form.menuBar()->geometry().bottom() + 1);
    QCOMPARE(form.size(), QSize(641, 528 + form.menuBar()->height()));
  }

  void MenuBarEndsWithTheAboutCommand() {
    app::Form1 form;
    const QList<QAction*> actions = form.menuBar()->actions();
    QStringList menus;
    for (QAction* action : actions) {
      if (action->menu() != nullptr) menus << action->text();
    }
    QCOMPARE(menus, QStringList({"&File", "&Edit", "&Calculation"}));
    // About stays a command on the bar itself, without a drop-down.
    QCOMPARE(actions.back()->text(), QString("About"));
    QCOMPARE(actions.back()->objectName(), QString("Mn_About"));
    QVERIFY(actions.back()->menu() == nullptr);
  }

  void ControlsStandAtTheirPixels() {
    app::Form1 form;
    // Frames of the left column, the button, the diagram and the list.
    QCOMPARE(InClient(form, "Frame1"), QRect(8, 0, 113, 121));
    QCOMPARE(InClient(form, "Command1"), QRect(8, 128, 113, 25));
    QCOMPARE(InClient(form, "Frame2"), QRect(8, 152, 113, 97));
    QCOMPARE(InClient(form, "Frame3"), QRect(8, 248, 113, 97));
    QCOMPARE(InClient(form, "Picture1"), QRect(136, 8, 357, 333));
    QCOMPARE(InClient(form, "Frame4"), QRect(496, 0, 137, 345));
    QCOMPARE(InClient(form, "List1"), QRect(8, 352, 625, 173));
    // Rows inside frames, and frames inside Frame4.
    QCOMPARE(InClient(form, "Label1"), QRect(8 + 32, 16, 33, 17));
    QCOMPARE(InClient(form, "Text_M1"), QRect(8 + 64, 16, 33, 19));
    QCOMPARE(InClient(form, "Label3"), QRect(8 + 16, 88, 41, 17));
    QCOMPARE(InClient(form, "Text_TetaB"), QRect(8 + 64, 88, 33, 19));
    QCOMPARE(InClient(form, "Text_BetaA"), QRect(8 + 56, 152 + 16, 41, 19));
    QCOMPARE(InClient(form, "Text_p3"), QRect(8 + 56, 248 + 64, 41, 19));
    QCOMPARE(InClient(form, "Label12"), QRect(496 + 32, 40, 25, 17));
    QCOMPARE(InClient(form, "Text_Fi"), QRect(496 + 64, 40, 33, 19));
    QCOMPARE(InClient(form, "Frame5"), QRect(496 + 8, 80, 113, 121));
    QCOMPARE(InClient(form, "Text_TetaC"), QRect(496 + 8 + 56, 80 + 16, 41, 19));
    QCOMPARE(InClient(form, "Frame6"), QRect(496 + 8, 208, 113, 121));
    QCOMPARE(InClient(form, "Label17"), QRect(496 + 8 + 16, 208 + 88, 33, 17));
    QCOMPARE(InClient(form, "Text_p5"), QRect(496 + 8 + 56, 208 + 88, 41, 19));
    // The axis letters, measured from the inside of the diagram's border.
    const int border = app::PictureBox::kBorder;
    QCOMPARE(InClient(form, "Label5"), QRect(136 + border + 176, 8 + border + 16, 25, 17));
    QCOMPARE(InClient(form, "Label4"), QRect(136 + border + 256, 8 + border + 304, 17, 17));
  }

  void EveryRowHasItsHeights() {
    app::Form1 form;
    const QList<QLineEdit*> fields = form.findChildren<QLineEdit*>();
    QCOMPARE(fields.size(), 19);
    for (QLineEdit* field : fields) QCOMPARE(field->height(), 19);
    const QList<QLabel*> labels = form.findChildren<QLabel*>();
    QCOMPARE(labels.size(), 21);
    for (QLabel* label : labels) QCOMPARE(label->height(), 17);
  }

  void CaptionsOfLabelsAndFrames() {
    app::Form1 form;
    const auto caption = [&form](const char* name) {
      return form.findChild<QLabel*>(name)->text();
    };
    QCOMPARE(caption("Label1"), QString("M1 ="));
    QCOMPARE(caption("Label21"), QString("p1 ="));
    QCOMPARE(caption("Label2"), QString("Teta-A ="));
    QCOMPARE(caption("Label11"), QString("Beta-B ="));
    QCOMPARE(caption("Label12"), QString("Fi = "));
    QCOMPARE(caption("Label20"), QString("Teta-C ="));
    QCOMPARE(caption("Label17"), QString("p5 ="));
    QCOMPARE(caption("Label5"), QString("p"));
    QCOMPARE(caption("Label4"), QString(QChar(0x03B8)));
    QCOMPARE(form.findChild<QPushButton*>("Command1")->text(), QString("Calculate"));
    // Only Frame4 carries a title.
    const QList<QGroupBox*> frames = form.findChildren<QGroupBox*>();
    QCOMPARE(frames.size(), 6);
    for (QGroupBox* frame : frames) {
      QCOMPARE(frame->title(),
               frame->objectName() == "Frame4" ? QString("Iteration results") : QString());
    }
  }

  void AxisLettersStandOnLightYellow() {
    app::Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    for (const char* name : {"Label5", "Label4"}) {
      auto* label = form.findChild<QLabel*>(name);
      QVERIFY(label->parentWidget() == &form.Picture1());
      const QImage shot = label->grab().toImage();
      // The corner holds no glyph: only the label's own background.
      QCOMPARE(shot.pixelColor(0, 0), QColor(255, 255, 192));
      QCOMPARE(shot.pixelColor(shot.width() - 1, shot.height() - 1), QColor(255, 255, 192));
    }
  }

  void NoMaximizeButton() {
    app::Form1 form;
    const Qt::WindowFlags flags = form.windowFlags();
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(flags & Qt::WindowMinimizeButtonHint);
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(flags & Qt::WindowTitleHint);
  }

  void CannotBeMaximized() {
    app::Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.showMaximized();
    QCoreApplication::processEvents();
    QVERIFY(!form.isMaximized());
    QVERIFY(form.isVisible());
    QCOMPARE(form.centralWidget()->size(), QSize(641, 528));
  }

  void DraggingTheBorderMovesNoControl() {
    app::Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QList<QPair<QWidget*, QRect>> before;
    for (const app::ControlEntry& entry : app::form1::kControls) {
      auto* widget = form.findChild<QWidget*>(QString::fromUtf8(entry.name.data(), entry.name.size()));
      QVERIFY(widget != nullptr);
      before.append({widget, widget->geometry()});
    }
    QCOMPARE(before.size(), 49);
    for (const QSize size : {QSize(300, 200), QSize(900, 750), QSize(641, 400)}) {
      form.resize(size);
      QCoreApplication::processEvents();
      QCOMPARE(form.size(), size);
      for (const auto& [widget, geometry] : before) QCOMPARE(widget->geometry(), geometry);
    }
  }
};

QTEST_MAIN(LayoutTest)
#include "gui_layout_test.moc"
