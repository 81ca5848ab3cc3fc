#include "app/calculation_report.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

namespace app {

std::string CalculationReport::Text() const {
  std::string text;
  const auto paragraph = [&text](const std::string& sentence) {
    if (!text.empty()) text += "\n\n";
    text += sentence;
  };
  if (failure) paragraph(failure->description);
  if (!information.empty()) paragraph(information);
  for (const calc::Warning& warning : warnings) paragraph(warning.text);
  return text;
}

bool ShowCalculationReport(QWidget* parent, const CalculationReport& report) {
  const QMessageBox::Icon icon = report.failure              ? QMessageBox::Critical
                                 : !report.warnings.empty() ? QMessageBox::Warning
                                                            : QMessageBox::Information;
  QMessageBox box(icon,
                  QCoreApplication::applicationName(), QString::fromStdString(report.Text()),
                  QMessageBox::NoButton, parent);
  box.setObjectName("CalculationReport");
  box.setWindowModality(Qt::ApplicationModal);
  QPushButton* exact = nullptr;
  if (report.offers_exact_solution) {
    exact = box.addButton(kShowExactSolution, QMessageBox::AcceptRole);
    box.addButton(QMessageBox::Close);
    box.setDefaultButton(exact);
  } else {
    box.addButton(QMessageBox::Ok);
  }
  box.exec();
  return exact != nullptr && box.clickedButton() == exact;
}

}  // namespace app
