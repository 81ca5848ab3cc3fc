// The main window at work: start texts, focus, Calculate, failures and what
// the diagram shows.

#include <cmath>
#include <string>
#include <vector>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/form1.h"
#include "app/picture_box.h"
#include "platform/runtime_error.h"

namespace {

const char* const kInputs[] = {"Text_M1", "Text_p1", "Text_TetaA", "Text_TetaB"};
const char* const kResults[] = {"Text_BetaA", "Text_M2",    "Text_p2",    "Text_BetaB",
                                "Text_M3",    "Text_p3",    "Text_Fi",    "Text_TetaC",
                                "Text_BetaC", "Text_M4",    "Text_p4",    "Text_TetaD",
                                "Text_BetaD", "Text_M5",    "Text_p5"};
// The results of the start texts, in the order above.
const char* const kDefaultResults[] = {"27.38", "2.505", "2.054", "23.13", "2.75",
                                       "1.454", "4.98",  "5.02",  "27.39", "2.295",
                                       "2.84",  "9.98",  "29.36", "2.299", "2.84"};

const QColor kBlue(0, 0, 255);
const QColor kRed(255, 0, 0);
const QColor kGreen(0, 255, 0);
const QColor kAxis(5, 0, 0);
const QColor kLightYellow(255, 255, 192);

// The diagram of the start texts: x from -50 to 50 degrees, y from
// -0.2 Pmax to 1.2 Pmax with Pmax = 13.6438862142195.
constexpr double kLeft = -50.0;
constexpr double kRight = 50.0;
constexpr double kTop = 16.3726634570634;
constexpr double kBottom = -2.7287772428439;

// The logical pixel of the image that holds user point (x, y).
QPoint PixelOf(const QImage& image, double x, double y) {
  const QSizeF size = image.deviceIndependentSize();
  return QPoint(int(std::floor((x - kLeft) / (kRight - kLeft) * size.width())),
                int(std::floor((kTop - y) / (kTop - kBottom) * size.height())));
}

// How many pixels of `colour` lie within `reach` pixels (a square) of user point (x, y).
int CountNear(const QImage& image, double x, double y, int reach, const QColor& colour) {
  const QPoint centre = PixelOf(image, x, y);
  int count = 0;
  for (int dy = -reach; dy <= reach; ++dy) {
    for (int dx = -reach; dx <= reach; ++dx) {
      const QPoint p = centre + QPoint(dx, dy);
      if (image.rect().contains(p) && image.pixelColor(p) == colour) ++count;
    }
  }
  return count;
}

}  // namespace

class Form1Test : public QObject {
  Q_OBJECT

 private:
  // What the window would have told the user.
  struct Told {
    std::vector<std::string> messages;
    std::vector<std::string> warnings;
    std::vector<std::string> kinds;
    std::vector<std::string> places;
  };

  static void Capture(app::Form1& form, Told& told) {
    form.SetReporters({
        [&told](const std::string& prompt) { told.messages.push_back(prompt); },
        [&told](const app::CalculationReport& report) {
          for (const calc::Warning& warning : report.warnings) told.warnings.push_back(warning.text);
          if (report.failure) {
            told.kinds.push_back(report.failure->kind);
            told.places.push_back(report.failure->where);
          }
          return false;
        },
    });
  }

  static QString Text(app::Form1& form, const char* name) {
    return form.findChild<QLineEdit*>(name)->text();
  }
  static void SetText(app::Form1& form, const char* name, const char* text) {
    form.findChild<QLineEdit*>(name)->setText(text);
  }
  static QStringList Results(app::Form1& form) {
    QStringList texts;
    for (const char* name : kResults) texts << Text(form, name);
    return texts;
  }
  static QStringList Lines(app::Form1& form) {
    QStringList lines;
    auto* list = form.findChild<QListWidget*>("List1");
    for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text();
    return lines;
  }
  static void Calculate(app::Form1& form) {
    QTest::mouseClick(form.findChild<QPushButton*>("Command1"), Qt::LeftButton);
  }

 private slots:
  void StartTexts() {
    app::Form1 form;
    QCOMPARE(Text(form, "Text_M1"), QString("3"));
    QCOMPARE(Text(form, "Text_p1"), QString("1"));
    QCOMPARE(Text(form, "Text_TetaA"), QString("10"));
    QCOMPARE(Text(form, "Text_TetaB"), QString("5"));
    for (const char* name : kResults) {
      const bool empty = QByteArray(name) == "Text_Fi" || QByteArray(name) == "Text_TetaC" ||
                         QByteArray(name) == "Text_TetaD";
      QCOMPARE(Text(form, name), empty ? QString() : QString("0"));
    }
    QCOMPARE(form.findChild<QListWidget*>("List1")->count(), 0);
  }

  void FieldsAreOrdinaryEditableFields() {
    app::Form1 form;
    for (QLineEdit* field : form.findChildren<QLineEdit*>()) {
      QVERIFY(!field->isReadOnly());
      QVERIFY(field->isEnabled());
      QCOMPARE(field->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
      QVERIFY(field->hasFrame());
    }
    auto* list = form.findChild<QListWidget*>("List1");
    QCOMPARE(list->selectionMode(), QAbstractItemView::SingleSelection);
    QVERIFY(!list->isSortingEnabled());
  }

  void DiagramStartsEmpty() {
    app::Form1 form;
    const QImage image = form.Picture1().Image();
    QCOMPARE(image.deviceIndependentSize().toSize(), QSize(357 - 4, 333 - 4));
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        if (image.pixelColor(x, y) != kLightYellow) QFAIL("a drawn pixel before any calculation");
      }
    }
  }

  void FocusStartsOnThePicture() {
    app::Form1 form;
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QCOMPARE(QApplication::focusWidget(), &form.Picture1());
  }

  void TabWalksTheListedOrder() {
    app::Form1 form;
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    const QStringList expected = {
        "List1",      "Text_TetaB", "Text_TetaA", "Text_M1",    "Text_p1",    "Text_M2",
        "Text_p2",    "Text_BetaA", "Text_M3",    "Text_p3",    "Text_BetaB", "Command1",
        "Text_Fi",    "Text_BetaC", "Text_p4",    "Text_M4",    "Text_BetaD", "Text_p5",
        "Text_M5",    "Text_TetaD", "Text_TetaC", "Picture1"};
    QStringList walked;
    for (int i = 0; i < expected.size(); ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      walked << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(walked, expected);
  }

  void CalculateFillsTheFieldsAndTheLog() {
    app::Form1 form;
    Told told;
    Capture(form, told);
    Calculate(form);
    QStringList expected;
    for (const char* text : kDefaultResults) expected << text;
    QCOMPARE(Results(form), expected);
    const QStringList lines = Lines(form);
    QCOMPARE(lines.size(), 9);
    QCOMPARE(lines.front(),
             QString("Fi= 7.5   TetaC= 2.5 BetaC= 25.38 M4= 2.399 p4= 2.421   TetaD= 12.5 "
                     "BetaD= 31.76 M5= 2.184 p5= 3.311"));
    QCOMPARE(lines.back(),
             QString("Fi= 4.98   TetaC= 5.02 BetaC= 27.39 M4= 2.295 p4= 2.84   TetaD= 9.98 "
                     "BetaD= 29.36 M5= 2.299 p5= 2.84"));
    // The inputs keep what was typed.
    QCOMPARE(Text(form, "Text_M1"), QString("3"));
    QCOMPARE(Text(form, "Text_TetaA"), QString("10"));
    QVERIFY(told.messages.empty());
    QVERIFY(told.warnings.empty());
    QVERIFY(told.kinds.empty());
  }

  void ResultFieldsAreOverwrittenNotRead() {
    app::Form1 form;
    Told told;
    Capture(form, told);
    SetText(form, "Text_M2", "99");
    SetText(form, "Text_p4", "abc");
    Calculate(form);
    QCOMPARE(Text(form, "Text_M2"), QString("2.505"));
    QCOMPARE(Text(form, "Text_p4"), QString("2.84"));
  }

  void SwappedDeflectionsSwapTheRegions() {
    app::Form1 form;
    Told told;
    Capture(form, told);
    SetText(form, "Text_TetaA", "5");
    SetText(form, "Text_TetaB", "10");
    Calculate(form);
    QCOMPARE(Results(form).mid(0, 6),
             QStringList({"23.13", "2.75", "1.454", "27.38", "2.505", "2.054"}));
  }

  void EnterInAFieldDoesNotCalculate() {
    app::Form1 form;
    Told told;
    Capture(form, told);
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    auto* command = form.findChild<QPushButton*>("Command1");
    QVERIFY(!command->isDefault());
    QVERIFY(!command->autoDefault());
    for (const char* name : kInputs) {
      auto* field = form.findChild<QLineEdit*>(name);
      field->setFocus();
      QTest::keyClick(field, Qt::Key_Return);
      QTest::keyClick(field, Qt::Key_Enter);
    }
    QCOMPARE(Text(form, "Text_BetaA"), QString("0"));
    QCOMPARE(form.findChild<QListWidget*>("List1")->count(), 0);
  }

  void DiagramShowsPolarsPointsAndSolution() {
    app::Form1 form;
    Told told;
    Capture(form, told);
    Calculate(form);
    const QImage image = form.Picture1().Image();
    // Axes, and nothing of them past their ends.
    QVERIFY(CountNear(image, -30, 0, 1, kAxis) > 0);
    QVERIFY(CountNear(image, 0, 7, 1, kAxis) > 0);
    QCOMPARE(CountNear(image, 45, 0, 1, kAxis), 0);
    // The free-stream polar at its widest pair, blue.
    QVERIFY(CountNear(image, 34.07326900057577, 8.501974539506673, 1, kBlue) > 0);
    QVERIFY(CountNear(image, -34.07326900057577, 8.501974539506673, 1, kBlue) > 0);
    // The normal-shock ends of the polars of regions 2 (red) and 3 (green).
    QVERIFY(CountNear(image, 10, 14.698334179413544, 1, kRed) > 0);
    QVERIFY(CountNear(image, -5, 12.583343674324771, 1, kGreen) > 0);
    // The points of regions 2 and 3: blue rings around the first points of
    // their own polars. Where the blue polar runs without a ring it leaves far
    // fewer blue pixels.
    QCOMPARE(CountNear(image, 10, 2.0544479651940457, 0, kRed), 1);
    QCOMPARE(CountNear(image, -5, 1.453980801749747, 0, kGreen), 1);
    QVERIFY(CountNear(image, 10, 2.0544479651940457, 4, kBlue) >= 10);
    QVERIFY(CountNear(image, -5, 1.453980801749747, 4, kBlue) >= 10);
    QVERIFY(CountNear(image, -10, 2.0544479651940457, 4, kBlue) <= 4);
    // The solution: a red ring where the red and green polars cross.
    QVERIFY(CountNear(image, 4.97999831, 2.840007, 4, kRed) >= 10);
    // Light yellow where nothing is drawn.
    QCOMPARE(CountNear(image, 45, 15, 2, kLightYellow), 25);
    QCOMPARE(CountNear(image, -45, -2, 2, kLightYellow), 25);
  }

  void SameInputsSameDrawing() {
    app::Form1 form;
    Told told;
    Capture(form, told);
    Calculate(form);
    const QImage first = form.Picture1().Image();
    const QStringList lines = Lines(form);
    Calculate(form);
    QCOMPARE(form.Picture1().Image(), first);
    QCOMPARE(Lines(form), lines);
  }

  void PictureShowsItsImageOnScreen() {
    app::Form1 form;
    Told told;
    Capture(form, told);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    Calculate(form);
    const QImage image = form.Picture1().Image();
    const QImage screen = form.Picture1().grab().toImage();
    const QPoint origin = app::PictureBox::ScaleOrigin();
    const QPoint at = PixelOf(image, 34.07326900057577, 8.501974539506673);
    int blue = 0;
    for (int dy = -1; dy <= 1; ++dy) {
      for (int dx = -1; dx <= 1; ++dx) {
        if (screen.pixelColor(origin + at + QPoint(dx, dy)) == kBlue) ++blue;
      }
    }
    QVERIFY(blue > 0);
  }

  void MachZeroStopsAtShockA() {
    app::Form1 form;
    Told told;
    Capture(form, told);
    Calculate(form);
    const QStringList results = Results(form);
    const QStringList lines = Lines(form);
    const QImage drawing = form.Picture1().Image();
    SetText(form, "Text_M1", "0");
    Calculate(form);
    QCOMPARE(told.kinds, std::vector<std::string>{"division-by-zero"});
    QCOMPARE(told.places, std::vector<std::string>{"shock A"});
    // Nothing had been written when shock A failed.
    QCOMPARE(Results(form), results);
    QCOMPARE(Lines(form), lines);
    QCOMPARE(form.Picture1().Image(), drawing);
  }

  void EqualDeflectionsStopInSlipLineStep22() {
    app::Form1 form;
    Told told;
    Capture(form, told);
    Calculate(form);
    SetText(form, "Text_TetaB", "10");
    Calculate(form);
    QCOMPARE(told.kinds, std::vector<std::string>{"invalid-argument"});
    QVERIFY2(told.places.front().find("22") != std::string::npos &&
                 told.places.front().find("shock C") != std::string::npos,
             told.places.front().c_str());
    QStringList expected = {"27.38", "2.505", "2.054", "27.38", "2.505", "2.054"};
    // Rows 7 to 15 keep the texts of the calculation before.
    for (int i = 6; i < 15; ++i) expected << kDefaultResults[i];
    QCOMPARE(Results(form), expected);
    QCOMPARE(Lines(form).size(), 21);
    // Both region points are drawn, on the same pressure, and no solution.
    const QImage image = form.Picture1().Image();
    QVERIFY(CountNear(image, -10, 2.0544479651940457, 4, kBlue) >= 10);
  }

  void UnbalancedSearchWarnsAfterTheResults() {
    app::Form1 form;
    QStringList at_warning;
    std::vector<std::string> warnings;
    std::vector<std::string> messages;
    form.SetReporters({
        [&messages](const std::string& prompt) { messages.push_back(prompt); },
        [&](const app::CalculationReport& report) {
          if (report.failure) qFatal("%s", report.failure->description.c_str());
          for (const calc::Warning& warning : report.warnings) warnings.push_back(warning.text);
          at_warning = Results(form);
          return false;
        },
    });
    SetText(form, "Text_TetaA", "5");
    SetText(form, "Text_TetaB", "10");
    Calculate(form);
    QCOMPARE(warnings.size(), std::size_t{1});
    QVERIFY(messages.empty());
    QCOMPARE(Lines(form).size(), 100);
    QCOMPARE(at_warning, Results(form));
    QVERIFY(Text(form, "Text_M4") != "0");
  }

  void FailureIsShownInAModalBoxAndTheWindowRunsOn() {
    app::Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    SetText(form, "Text_M1", "0");
    QString shown;
    QTimer::singleShot(0, &form, [&shown] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        shown = box->text();
        box->button(QMessageBox::Ok)->click();
      }
    });
    Calculate(form);
    QVERIFY2(shown.contains("division by zero"), qPrintable(shown));
    QVERIFY2(shown.contains("shock A"), qPrintable(shown));
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    // The program runs on: the next calculation works.
    SetText(form, "Text_M1", "3");
    Calculate(form);
    QCOMPARE(Text(form, "Text_BetaA"), QString("27.38"));
  }

  void AboutTwiceGivesOneWindowAndTheMainWindowStaysUsable() {
    app::Form1 form;
    Told told;
    Capture(form, told);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QAction* about = form.findChild<QAction*>("Mn_About");
    about->trigger();
    about->trigger();
    QList<QWidget*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (widget->objectName() == "Form_About") windows << widget;
    }
    QCOMPARE(windows.size(), 1);
    QWidget* window = windows.front();
    QVERIFY(window->isVisible());
    QVERIFY(window->parentWidget() == nullptr);
    QVERIFY(!window->isModal());
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    // The main window takes input while About is open.
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QVERIFY(form.isEnabled());
    Calculate(form);
    QCOMPARE(Text(form, "Text_p5"), QString("2.84"));
    // Closed and chosen again: the same window, shown again.
    window->close();
    QVERIFY(!window->isVisible());
    about->trigger();
    QVERIFY(window->isVisible());
  }
};

QTEST_MAIN(Form1Test)
#include "gui_form1_test.moc"
