#pragma once

#include <QWidget>

#include "exact/configuration.h"

class QLabel;
class QTableWidget;

namespace app {

// The states at both triple points of a Mach intersection, side by side: the
// kind, the slip line, the transmitted shock (C at A, D at B) and the flow
// behind it, the stem's end and the flow behind it. Above the table, the
// configuration in words. Angles in degrees, pressures in the unit of p1.
class TriplePointPanel : public QWidget {
 public:
  explicit TriplePointPanel(QWidget* parent = nullptr);

  // Shows the configuration; without triple points (regular, none) the table
  // stays empty and the sentence says why.
  void SetConfiguration(const exact::Configuration& configuration);
  // Empties the panel (the inputs changed and nothing is calculated yet).
  void Clear();

  const QTableWidget& Table() const { return *table_; }
  QString Summary() const;

 private:
  QLabel* summary_ = nullptr;
  QTableWidget* table_ = nullptr;
};

}  // namespace app
