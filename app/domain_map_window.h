#pragma once

#include <optional>

#include <QString>
#include <QWidget>

#include "exact/domain_map.h"

namespace app {

// The domain map in a window of its own: for the free stream of the inputs,
// the TetaA-TetaB plane with the regions where the regular, the Mach or both
// intersections can stand, the von Neumann and detachment lines, and the
// inputs marked. Resizable; the drawing follows the window's size.
class DomainMapWindow : public QWidget {
 public:
  explicit DomainMapWindow(QWidget* parent = nullptr);

  // Shows the map for M1 and gamma with `inputs` (TetaA, TetaB in degrees)
  // marked. The map is built anew only when M1 or gamma changed. Inputs the
  // map cannot be built for (M1 not above 1, gamma out of range) leave a
  // sentence in its place, with the numbers.
  void SetInputs(double M1, double gamma, std::optional<exact::MapPoint> inputs);

  const std::optional<exact::DomainMap>& Map() const { return map_; }
  // Why there is no map, empty while there is one.
  const QString& Problem() const { return problem_; }

  QSize sizeHint() const override { return {820, 520}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::optional<exact::DomainMap> map_;
  QString problem_;
};

}  // namespace app
