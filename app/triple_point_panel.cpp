#include "app/triple_point_panel.h"

#include <array>

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace app {

namespace {

// One row of the table: its heading and how a triple point fills it.
struct Row {
  const char* heading;
  QString (*value)(const exact::TriplePoint&);
};

QString FixedDecimals(double x, int decimals) { return QString::number(x, 'f', decimals); }

const std::array<Row, 11> kRows{{
    {"kind", [](const exact::TriplePoint& t) { return QString::fromUtf8(exact::KindName(t.kind).data()); }},
    {"slip line direction (\u00b0)", [](const exact::TriplePoint& t) { return FixedDecimals(t.slip_line, 4); }},
    {"transmitted shock: deflection (\u00b0)",
     [](const exact::TriplePoint& t) { return FixedDecimals(t.transmitted.deflection, 4); }},
    {"transmitted shock: shock angle (\u00b0)",
     [](const exact::TriplePoint& t) { return FixedDecimals(t.transmitted.beta, 4); }},
    {"behind it: M", [](const exact::TriplePoint& t) { return FixedDecimals(t.behind_transmitted.M, 4); }},
    {"behind it: p/p1", [](const exact::TriplePoint& t) { return FixedDecimals(t.behind_transmitted.p, 4); }},
    {"behind it: direction (\u00b0)",
     [](const exact::TriplePoint& t) { return FixedDecimals(t.behind_transmitted.direction, 4); }},
    {"Mach stem: shock angle (\u00b0)", [](const exact::TriplePoint& t) { return FixedDecimals(t.stem_beta, 4); }},
    {"behind the stem: M", [](const exact::TriplePoint& t) { return FixedDecimals(t.behind_stem.M, 4); }},
    {"behind the stem: p/p1", [](const exact::TriplePoint& t) { return FixedDecimals(t.behind_stem.p, 4); }},
    {"behind the stem: direction (\u00b0)",
     [](const exact::TriplePoint& t) { return FixedDecimals(t.behind_stem.direction, 4); }},
}};

}  // namespace

TriplePointPanel::TriplePointPanel(QWidget* parent) : QWidget(parent) {
  setObjectName("TriplePoints");
  summary_ = new QLabel(this);
  summary_->setObjectName("TriplePointsSummary");
  summary_->setWordWrap(true);
  summary_->setTextFormat(Qt::PlainText);
  summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);

  table_ = new QTableWidget(static_cast<int>(kRows.size()), 2, this);
  table_->setObjectName("TriplePointsTable");
  table_->setHorizontalHeaderLabels({"triple point A (shock C)", "triple point B (shock D)"});
  QStringList headings;
  for (const Row& row : kRows) headings << QString::fromUtf8(row.heading);
  table_->setVerticalHeaderLabels(headings);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 8);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(summary_);
  layout->addWidget(table_, 1);
  Clear();
}

void TriplePointPanel::Clear() {
  summary_->setText("No configuration calculated.");
  table_->clearContents();
}

void TriplePointPanel::SetConfiguration(const exact::Configuration& c) {
  QString text = QString::fromStdString(c.reason) + ".";
  if (!text.isEmpty()) text[0] = text[0].toUpper();
  if (!c.note.empty()) text += "\n" + QString::fromStdString(c.note) + ".";
  summary_->setText(text);
  table_->clearContents();
  const std::array<const std::optional<exact::TriplePoint>*, 2> points{&c.triple_point_A,
                                                                      &c.triple_point_B};
  for (int column = 0; column < 2; ++column) {
    const std::optional<exact::TriplePoint>& point = *points[static_cast<std::size_t>(column)];
    if (!point) continue;
    for (std::size_t r = 0; r < kRows.size(); ++r) {
      auto* item = new QTableWidgetItem(kRows[r].value(*point));
      item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      table_->setItem(static_cast<int>(r), column, item);
    }
  }
}

QString TriplePointPanel::Summary() const { return summary_->text(); }

}  // namespace app
