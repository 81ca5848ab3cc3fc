#include "app/domain_map_window.h"

#include <QPainter>

#include "exact/error.h"
#include "render/domain_map_painter.h"

namespace app {

DomainMapWindow::DomainMapWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName("DomainMap");
  setWindowTitle("Domain map");
  setMinimumSize(360, 300);
  problem_ = "No inputs yet.";
}

void DomainMapWindow::SetInputs(double M1, double gamma, std::optional<exact::MapPoint> inputs) {
  try {
    if (map_ && map_->M1 == M1 && map_->gamma == gamma) {
      exact::MarkInputs(*map_, inputs);
    } else {
      map_ = exact::BuildDomainMap(M1, gamma, inputs);
    }
    problem_.clear();
    setWindowTitle("Domain map: M1 = " + QString::number(M1, 'g', 6));
  } catch (const exact::Error& error) {
    map_.reset();
    problem_ = "No domain map: " + QString::fromStdString(error.what());
    setWindowTitle("Domain map");
  }
  update();
}

void DomainMapWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (map_) {
    render::PaintDomainMap(painter, rect(), *map_);
    return;
  }
  painter.fillRect(rect(), Qt::white);
  painter.setPen(Qt::black);
  painter.drawText(rect().adjusted(20, 20, -20, -20), Qt::AlignCenter | Qt::TextWordWrap, problem_);
}

}  // namespace app
