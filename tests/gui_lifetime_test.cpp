// The program ends when its last window closes: closing the main window while
// About is open leaves the program running until About is closed too.

#include <QApplication>
#include <QTest>
#include <QTimer>

#include "app/form1.h"

class LifetimeTest : public QObject {
  Q_OBJECT

 private slots:
  void EndsWithTheLastWindowNotWithTheMainOne() {
    QVERIFY(QApplication::quitOnLastWindowClosed());
    app::Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.findChild<QAction*>("Mn_About")->trigger();
    QWidget* about = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (widget->objectName() == "Form_About") about = widget;
    }
    QVERIFY(about != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(about));

    bool ran_on_after_main_closed = false;
    bool about_open_then = false;
    QTimer::singleShot(0, &form, [&] {
      form.close();
      // Runs only if closing the main window did not end the event loop.
      QTimer::singleShot(0, about, [&] {
        ran_on_after_main_closed = true;
        about_open_then = about->isVisible();
        about->close();
      });
    });
    // A stuck loop ends the test with a distinct code instead of hanging it.
    QTimer::singleShot(30000, [] { QCoreApplication::exit(2); });
    const int code = QApplication::exec();

    QVERIFY(ran_on_after_main_closed);
    QVERIFY(about_open_then);
    QVERIFY(!form.isVisible());
    QCOMPARE(code, 0);
  }
};

QTEST_MAIN(LifetimeTest)
#include "gui_lifetime_test.moc"
