// The window's additions around Calculate: the method menu, the report with
// the exact solution, stale marks, the clipboard and remembered settings.

#include <stdexcept>
#include <string>
#include <variant>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include "app/form1.h"
#include "app/domain_map_window.h"
#include "app/picture_box.h"
#include "app/triple_point_panel.h"
#include "app/window_options.h"

namespace {

const char* const kResults[] = {"Text_BetaA", "Text_M2", "Text_p2", "Text_BetaB", "Text_M3",
                                "Text_p3",    "Text_Fi", "Text_TetaC", "Text_BetaC", "Text_M4",
                                "Text_p4",    "Text_TetaD", "Text_BetaD", "Text_M5", "Text_p5"};

QLineEdit* Field(app::Form1& form, const char* name) { return form.findChild<QLineEdit*>(name); }

void SetInputs(app::Form1& form, const char* m1, const char* tetaA, const char* tetaB) {
  Field(form, "Text_M1")->setText(m1);
  Field(form, "Text_TetaA")->setText(tetaA);
  Field(form, "Text_TetaB")->setText(tetaB);
}

void Trigger(app::Form1& form, const char* action) { form.findChild<QAction*>(action)->trigger(); }

QString Frame4Title(app::Form1& form) { return form.findChild<QGroupBox*>("Frame4")->title(); }

// Reports are kept, and answered with `choose_exact`.
struct Reports {
  explicit Reports(app::Form1& form, bool choose_exact = false) {
    form.SetReporters({[](const std::string&) {}, [this, choose_exact](const app::CalculationReport& r) {
                         seen.push_back(r);
                         return choose_exact;
                       }});
  }
  std::vector<app::CalculationReport> seen;
};

}  // namespace

class CalculationTest : public QObject {
  Q_OBJECT

 private slots:
  void ExactMethodFromTheMenuAndCopiedResults() {
    app::Form1 form;
    Reports reports(form);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    Trigger(form, "Method_exact");
    SetInputs(form, "5", "20", "20");
    QTest::keyClick(&form, Qt::Key_F5);
    QVERIFY(reports.seen.empty());
    QCOMPARE(Frame4Title(form), QString("Exact solution"));
    QCOMPARE(Field(form, "Text_Fi")->text(), QString("0"));
    Trigger(form, "CopyResults");
    const QStringList lines = QApplication::clipboard()->text().split('\n');
    QVERIFY(lines.contains("Fi\t0"));
    QVERIFY(lines.contains("M1\t5"));
    QVERIFY(lines.contains("Method\tExact solution"));
    const QString p4 = Field(form, "Text_p4")->text();
    QVERIFY(lines.contains("p4\t" + p4));
    QVERIFY(lines.contains("p5\t" + p4));
    // Back to the slip-line iteration, the frame has its own title again.
    Trigger(form, "Method_iterasyon");
    SetInputs(form, "3", "10", "5");
    QTest::keyClick(&form, Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(Frame4Title(form), QString("Iteration results"));
    QCOMPARE(Field(form, "Text_Fi")->text(), QString("4.98"));
    Trigger(form, "CopyLog");
    QCOMPARE(QApplication::clipboard()->text().count('\n'), 9);
  }

  void FailedSearchOffersTheExactSolutionAsDefault() {
    app::Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    SetInputs(form, "3", "10", "10");
    QString default_button;
    QTimer::singleShot(0, &form, [&default_button] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr) return;
      default_button = box->defaultButton()->text();
      box->defaultButton()->click();
    });
    form.findChild<QPushButton*>("Command1")->click();
    QCOMPARE(default_button, QString(app::kShowExactSolution));
    QCOMPARE(Field(form, "Text_Fi")->text(), QString("0"));
    QCOMPARE(Field(form, "Text_p4")->text(), QString("3.833"));
    QCOMPARE(Field(form, "Text_p5")->text(), QString("3.833"));
    QCOMPARE(Frame4Title(form), QString("Exact solution"));
    QVERIFY(!form.Stale().IsStale(Field(form, "Text_p5")));
  }

  void WithoutARegularSolutionTheReportSaysWhy() {
    app::Form1 form;
    Reports reports(form, /*choose_exact=*/true);
    SetInputs(form, "1.5", "10", "10");
    Trigger(form, "Calculate");
    QCOMPARE(reports.seen.size(), std::size_t{1});
    QVERIFY(!reports.seen[0].offers_exact_solution);
    const std::string text = reports.seen[0].Text();
    QVERIFY2(text.find("no regular intersection") != std::string::npos, text.c_str());
    QVERIFY2(text.find("Mach intersection") != std::string::npos, text.c_str());
  }

  void WhatTheLastCalculationDidNotWriteIsMarked() {
    app::Form1 form;
    Reports reports(form);
    Trigger(form, "Calculate");
    const auto stale = [&form](const char* name) { return form.Stale().IsStale(Field(form, name)); };
    for (const char* name : kResults) QVERIFY(!stale(name));
    // The search fails in step 22: rows 7 to 15 keep the old texts, marked.
    SetInputs(form, "3", "10", "10");
    Trigger(form, "Calculate");
    for (int i = 0; i < 15; ++i) QCOMPARE(stale(kResults[i]), i >= 6);
    QCOMPARE(Field(form, "Text_Fi")->text(), QString("4.98"));
    QCOMPARE(Field(form, "Text_Fi")->toolTip(), QString(app::kStaleTip));
    QVERIFY(!form.Stale().IsStale(form.findChild<QListWidget*>("List1")));
    QVERIFY(!form.Picture1().IsStale());
    // Nothing is reached: every result, the log and the diagram are old.
    SetInputs(form, "0", "10", "5");
    Trigger(form, "Calculate");
    for (const char* name : kResults) QVERIFY(stale(name));
    QVERIFY(form.Stale().IsStale(form.findChild<QListWidget*>("List1")));
    QVERIFY(form.Picture1().IsStale());
    // The next calculation that works clears every mark.
    SetInputs(form, "3", "10", "5");
    Trigger(form, "Calculate");
    for (const char* name : kResults) QVERIFY(!stale(name));
    QVERIFY(!form.Picture1().IsStale());
    QCOMPARE(Field(form, "Text_Fi")->toolTip(), QString());
  }

  void DiagramIsSavedAsPngOrSvg() {
    app::Form1 form;
    Reports reports(form);
    Trigger(form, "Calculate");
    QTemporaryDir dir;
    const std::string png = dir.filePath("d.png").toStdString();
    const std::string svg = dir.filePath("d.SVG").toStdString();
    form.SaveDiagramAs(png);
    form.SaveDiagramAs(svg);
    QImage image(QString::fromStdString(png));
    QCOMPARE(image.deviceIndependentSize().toSize(), form.Picture1().ScaleSize());
    QFile file(QString::fromStdString(svg));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray document = file.readAll();
    QVERIFY(document.contains("<svg xmlns"));
    QVERIFY(document.contains("<text"));
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, form.SaveDiagramAs(dir.filePath("no/d.png").toStdString()));
  }

  void StartedWithTheCommandLinesOptions() {
    const auto start = std::get<app::WindowStart>(
        app::ParseWindowCommandLine({"--M1", "5", "--TetaB=20", "--method", "exact"}));
    QCOMPARE(*start.inputs[0], std::string("5"));
    QVERIFY(!start.inputs[1]);
    QCOMPARE(*start.inputs[3], std::string("20"));
    QCOMPARE(*start.method, calc::Method::Exact);
    QVERIFY(std::holds_alternative<cli::UsageError>(app::ParseWindowCommandLine({"--M1", "--p1"})));
    QVERIFY(std::holds_alternative<cli::UsageError>(app::ParseWindowCommandLine({"--method", "x"})));
    app::Form1 form;
    form.SetInputs(start.inputs);
    QCOMPARE(Field(form, "Text_M1")->text(), QString("5"));
    QCOMPARE(Field(form, "Text_p1")->text(), QString("1"));
  }

  void MachIntersectionIsTheExactMethodsResult() {
    app::Form1 form;
    Reports reports(form);
    form.SetMethod(calc::Method::Exact);
    SetInputs(form, "5", "28", "28");
    Trigger(form, "Calculate");
    QCOMPARE(reports.seen.size(), std::size_t{1});
    QVERIFY(!reports.seen[0].failure);
    QVERIFY(reports.seen[0].information.starts_with("Mach intersection: "));
    // Rows 7 to 15 are not this calculation's; the triple points are shown.
    QVERIFY(form.Stale().IsStale(Field(form, "Text_p4")));
    app::TriplePointPanel* panel = form.Companions().TriplePoints();
    QVERIFY(panel != nullptr && panel->isVisible());
    QVERIFY(panel->Table().rowCount() > 0);
    QVERIFY(panel->Summary().contains("Mach intersection"));
    // The domain map is one menu entry away and marks these inputs.
    Trigger(form, "Mn_DomainMap");
    app::DomainMapWindow* map = form.Companions().DomainMap();
    QVERIFY(map != nullptr && map->isVisible());
    QVERIFY(map->Map().has_value());
    panel->close();
    map->close();
  }

  void InputsAndMethodAreRemembered() {
    QSettings().clear();
    {
      app::Form1 form;
      form.UseSettings();
      SetInputs(form, "4", "12", "7");
      Trigger(form, "Method_iteras");
      form.close();
    }
    app::Form1 form;
    QCOMPARE(Field(form, "Text_M1")->text(), QString("3"));  // only with settings in use
    form.UseSettings();
    QCOMPARE(Field(form, "Text_M1")->text(), QString("4"));
    QCOMPARE(Field(form, "Text_TetaB")->text(), QString("7"));
    QCOMPARE(form.Method(), calc::Method::Iteras);
    QVERIFY(form.findChild<QAction*>("Method_iteras")->isChecked());
  }
};

QTEST_MAIN(CalculationTest)
#include "gui_calculation_test.moc"
