#include "app/form1.h"

#include <QAction>
#include <QActionGroup>
#include <QFileDialog>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>

#include "app/form_about.h"
#include "app/form_layout.h"
#include "app/picture_box.h"
#include "calc/result_table.h"
#include "diagram/svg_surface.h"
#include "exact/interaction.h"
#include "platform/atomic_file.h"
#include "platform/runtime_error.h"
#include "render/picture_bytes.h"

namespace app {

namespace {

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The client area: exactly as large as the form was drawn, below the menu bar.
// Its controls stand where the table puts them and stay there when the border
// is dragged.
class ClientArea : public QWidget {
 public:
  using QWidget::QWidget;
  QSize sizeHint() const override {
    return {TwipsToPixels(form1::kClientWidth), TwipsToPixels(form1::kClientHeight)};
  }
};

// The forms were laid out for the 8-point dialog font of their platform; the
// nearest metric match keeps every caption inside its fixed label.
QFont DialogFont(const QFont& base) {
  QFont font(base);
  font.setFamilies({"MS Sans Serif", "Microsoft Sans Serif", "Arial", "Liberation Sans",
                    "Nimbus Sans", "Helvetica"});
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(8.25);
  return font;
}

}  // namespace

void ShowModalBox(QWidget* parent, const QString& text, bool warning) {
  QMessageBox box(warning ? QMessageBox::Warning : QMessageBox::NoIcon,
                  QCoreApplication::applicationName(), text, QMessageBox::Ok, parent);
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
}

Form1::Form1(char decimal_separator)
    : messages_([this](const std::string& prompt) { ShowMessage(prompt); }),
      report_([this](const CalculationReport& report) { return ShowCalculationReport(this, report); }) {
  setObjectName("Form1");
  // Sizable, with minimize and close but no maximize button.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  setWindowTitle(FromUtf8(form1::kCaption));

  BuildControls();
  BuildMenus();
  resize(sizeHint());

  for (const auto& [name, widget] : controls_) {
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
      text_boxes_.emplace(name, std::make_unique<LineEditTextBox>(
                                    *edit, [this, edit] { stale_.Written(edit); }));
    }
  }
  list_box_ = std::make_unique<ListWidgetListBox>(*list1_, [this] { stale_.Written(list1_); });
  picture1_->SetClearedHandler([this] { stale_.Written(picture1_); });
  for (const calc::FieldLabel& field : calc::kResultLabels) stale_.Watch(&Field(field.control));
  stale_.Watch(list1_);
  stale_.Watch(picture1_);

  const auto box = [this](const char* name) -> platform::TextBox& {
    return *text_boxes_.at(name);
  };
  procedures_.emplace(calc::Form1Controls{
      calc::InputFields{box("Text_M1"), box("Text_p1"), box("Text_TetaA"), box("Text_TetaB")},
      calc::ResultFields{box("Text_BetaA"), box("Text_M2"), box("Text_p2"), box("Text_BetaB"),
                         box("Text_M3"), box("Text_p3"), box("Text_Fi"), box("Text_TetaC"),
                         box("Text_BetaC"), box("Text_M4"), box("Text_p4"), box("Text_TetaD"),
                         box("Text_BetaD"), box("Text_M5"), box("Text_p5")},
      *list_box_, *picture1_, messages_, warnings_, decimal_separator});

  Form_Load();
}

void Form1::BuildMenus() {
  // The drop-down menus stand before the original About command, which stays
  // a command on the bar itself.
  menuBar()->setNativeMenuBar(false);
  QMenu* file = menuBar()->addMenu("&File");
  QAction* save = file->addAction("Save diagram\u2026", this, &Form1::SaveDiagram);
  save->setObjectName("SaveDiagram");
  save->setShortcut(QKeySequence::Save);
  file->addSeparator();
  QAction* quit = file->addAction("Quit", this, &QWidget::close);
  quit->setObjectName("Quit");
  quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

  QMenu* edit = menuBar()->addMenu("&Edit");
  QAction* copy_results = edit->addAction("Copy results", this, &Form1::CopyResults);
  copy_results->setObjectName("CopyResults");
  copy_results->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
  QAction* copy_log = edit->addAction("Copy log", this, &Form1::CopyLog);
  copy_log->setObjectName("CopyLog");

  QMenu* calculation = menuBar()->addMenu("&Calculation");
  QAction* calculate = calculation->addAction("Calculate", this, &Form1::Command1_Click);
  calculate->setObjectName("Calculate");
  // Enter in a field presses nothing, as before; these keys are new.
  calculate->setShortcuts({QKeySequence(Qt::Key_F5), QKeySequence(Qt::CTRL | Qt::Key_Return),
                           QKeySequence(Qt::CTRL | Qt::Key_Enter)});
  calculation->addSeparator();
  methods_ = new QActionGroup(this);
  for (const calc::Method method : {calc::Method::Iterasyon, calc::Method::Iteras, calc::Method::Exact}) {
    QAction* action = calculation->addAction(FromUtf8(calc::MethodTitle(method)));
    action->setObjectName(QString("Method_") + FromUtf8(calc::MethodName(method)));
    action->setCheckable(true);
    action->setChecked(method == method_);
    action->setData(static_cast<int>(method));
    methods_->addAction(action);
    connect(action, &QAction::triggered, this, [this, method] { method_ = method; });
  }

  calculation->addSeparator();
  QAction* diagram = calculation->addAction("Diagram", this, &Form1::Mn_Diagram_Click);
  diagram->setObjectName("Mn_Diagram");
  diagram->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
  QAction* map = calculation->addAction("Domain map", this, [this] { companions_.ShowDomainMap(*this); });
  map->setObjectName("Mn_DomainMap");
  map->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
  QAction* triple = calculation->addAction("Triple points", this,
                                           [this] { companions_.ShowTriplePoints(configuration_); });
  triple->setObjectName("Mn_TriplePoints");
  triple->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));

  mn_about_ = menuBar()->addAction(FromUtf8(form1::kMenuAbout));
  mn_about_->setObjectName("Mn_About");
  connect(mn_about_, &QAction::triggered, this, &Form1::Mn_About_Click);
}

void Form1::SetMethod(calc::Method method) {
  method_ = method;
  for (QAction* action : methods_->actions()) {
    action->setChecked(action->data().toInt() == static_cast<int>(method));
  }
}

QLineEdit& Form1::Field(std::string_view name) const {
  return *qobject_cast<QLineEdit*>(controls_.find(name)->second);
}

Form1::~Form1() = default;

void Form1::BuildControls() {
  auto* client = new ClientArea(this);
  client->setObjectName("ClientArea");
  client->setFont(DialogFont(client->font()));
  setCentralWidget(client);

  QPalette yellow = client->palette();
  yellow.setColor(QPalette::Window, ColourFromValue(kLightYellow));

  for (const ControlEntry& entry : form1::kControls) {
    QWidget* container = entry.container.empty() ? client : controls_.find(entry.container)->second;
    QRect where = ToPixels(entry.twips);
    const QString caption = FromUtf8(entry.caption);
    QWidget* widget = nullptr;
    switch (entry.kind) {
      case ControlKind::Frame:
        widget = new QGroupBox(caption, container);
        if (entry.name == "Frame4") frame4_ = static_cast<QGroupBox*>(widget);
        break;
      case ControlKind::Label: {
        auto* label = new QLabel(caption, container);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setAutoFillBackground(true);  // opaque, as the forms' labels
        if (container == picture1_) {
          // The axis letters sit on the diagram's yellow, measured from its inside.
          label->setPalette(yellow);
          where.translate(PictureBox::ScaleOrigin());
        }
        if (entry.point_size > 0) {
          QFont font = label->font();
          font.setPointSizeF(entry.point_size);
          label->setFont(font);
        }
        widget = label;
        break;
      }
      case ControlKind::TextBox:
        widget = new QLineEdit(caption, container);
        break;
      case ControlKind::CommandButton: {
        auto* button = new QPushButton(caption, container);
        // Neither default nor cancel: Enter or Escape in a field presses nothing.
        button->setAutoDefault(false);
        button->setDefault(false);
        connect(button, &QPushButton::clicked, this, &Form1::Command1_Click);
        command1_ = button;
        widget = button;
        break;
      }
      case ControlKind::ListBox: {
        auto* list = new QListWidget(container);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setSortingEnabled(false);
        list->setUniformItemSizes(true);
        list1_ = list;
        widget = list;
        break;
      }
      case ControlKind::PictureBox:
        picture1_ = new PictureBox(where, container);
        widget = picture1_;
        break;
    }
    widget->setObjectName(FromUtf8(entry.name));
    widget->setGeometry(where);
    controls_.emplace(std::string(entry.name), widget);
  }

  QWidget* previous = nullptr;
  for (std::string_view name : form1::kTabOrder) {
    QWidget* next = controls_.find(name)->second;
    if (previous != nullptr) QWidget::setTabOrder(previous, next);
    previous = next;
  }
  // Opens with the focus on the first of the Tab order.
  controls_.find(form1::kTabOrder.front())->second->setFocus(Qt::OtherFocusReason);
}

void Form1::SetReporters(Reporters reporters) {
  if (reporters.message) messages_.SetHandler(std::move(reporters.message));
  if (reporters.report) report_ = std::move(reporters.report);
}

void Form1::closeEvent(QCloseEvent* event) {
  if (uses_settings_) SaveSettings();
  QMainWindow::closeEvent(event);
}

void Form1::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  // Some window managers maximize on a double click on the title bar whatever
  // buttons the window asked for.
  if (event->type() == QEvent::WindowStateChange && (windowState() & Qt::WindowMaximized)) {
    setWindowState(windowState() & ~Qt::WindowMaximized);
  }
}

void Form1::Form_Load() { procedures_->Form_Load(); }

void Form1::Command1_Click() {
  // The frame's title says which method the results below it come from.
  static constexpr const char* kFrame4Titles[] = {"Iteration results", "Step search results",
                                                  "Exact solution"};
  frame4_->setTitle(kFrame4Titles[static_cast<int>(method_)]);
  warnings_.gathered.clear();
  stale_.BeginCalculation();
  std::optional<calc::Failure> failure;
  try {
    procedures_->hesapla(method_);
  } catch (const platform::RuntimeError& error) {
    // The calculation stopped at the failing step; the window runs on.
    failure = calc::DescribeFailure(error, *procedures_);
  } catch (const exact::Error& error) {
    failure = calc::DescribeFailure(error, *procedures_);
  }
  stale_.EndCalculation();
  configuration_ = FindConfiguration();
  const CalculationReport report = MakeReport(std::move(failure));
  const bool has_triple_points = configuration_ && configuration_->triple_point_A;
  // The triple points are the result of a Mach intersection: they are shown at once.
  if (method_ == calc::Method::Exact && has_triple_points) companions_.ShowTriplePoints(configuration_);
  if (!report.Empty() && report_(report) && report.offers_exact_solution) ShowExactSolution();
  companions_.Follow(*this, configuration_);
  if (calculated_) calculated_();
}

std::optional<exact::Configuration> Form1::FindConfiguration() const {
  const calc::CalculationRecord& record = procedures_->Record();
  if (record.configuration) return record.configuration;
  const calc::CalcState& s = procedures_->State();
  try {
    return exact::FindConfiguration(s.M1, s.TetaA, s.TetaB, record.gamma);
  } catch (const exact::Error&) {
    return std::nullopt;  // no free stream or deflections to find one for
  }
}

CalculationReport Form1::MakeReport(std::optional<calc::Failure> failure) const {
  CalculationReport report;
  report.failure = std::move(failure);
  report.warnings = warnings_.gathered;
  if (method_ == calc::Method::Exact) {
    // A Mach or dual configuration is worth a word even when nothing failed.
    if (!report.failure && configuration_ &&
        (configuration_->kind == exact::ConfigurationKind::Mach ||
         configuration_->kind == exact::ConfigurationKind::Dual)) {
      report.information = configuration_->reason + ". Calculation \u25b8 Triple points lists the "
                           "states at both triple points; Calculation \u25b8 Domain map shows where "
                           "each pattern can stand.";
    }
    return report;
  }
  const bool search_failed = report.failure && report.failure->where.starts_with("slip-line");
  bool unbalanced = false;
  for (const calc::Warning& warning : report.warnings) {
    unbalanced = unbalanced || warning.kind == calc::WarningKind::Unbalanced;
  }
  if (search_failed || unbalanced) {
    const calc::CalcState& s = procedures_->State();
    try {
      exact::SolveInteraction(s.M1, s.p1, s.TetaA, s.TetaB);
      report.offers_exact_solution = true;
    } catch (const exact::Error&) {
      // No regular solution: the report says why and offers nothing.
    }
  }
  return report;
}

void Form1::ShowExactSolution() {
  try {
    procedures_->ShowExactSolution();
    frame4_->setTitle("Exact solution");
  } catch (const std::exception& error) {
    ShowModalBox(this, QString::fromStdString(error.what()), /*warning=*/true);
  }
}

void Form1::CopyResults() const {
  std::array<std::string, 4> inputs;
  for (std::size_t i = 0; i < inputs.size(); ++i) {
    inputs[i] = Field(calc::kInputLabels[i].control).text().toStdString();
  }
  std::array<std::string, 15> results;
  for (std::size_t i = 0; i < results.size(); ++i) {
    results[i] = Field(calc::kResultLabels[i].control).text().toStdString();
  }
  QApplication::clipboard()->setText(
      QString::fromStdString(calc::ResultsAsTabSeparated(inputs, method_, results)));
}

void Form1::CopyLog() const {
  QStringList lines;
  for (int i = 0; i < list1_->count(); ++i) lines << list1_->item(i)->text();
  QApplication::clipboard()->setText(lines.join('\n') + (lines.isEmpty() ? "" : "\n"));
}

void Form1::SetInputs(const std::array<std::optional<std::string>, 4>& texts) {
  for (std::size_t i = 0; i < texts.size(); ++i) {
    if (texts[i]) Field(calc::kInputLabels[i].control).setText(QString::fromStdString(*texts[i]));
  }
}

void Form1::SaveDiagram() {
  const QString path = QFileDialog::getSaveFileName(
      this, "Save diagram", "diagram.png", "PNG picture (*.png);;SVG picture (*.svg)");
  if (path.isEmpty()) return;
  try {
    SaveDiagramAs(path.toStdString());
  } catch (const std::exception& error) {
    ShowModalBox(this, QString::fromStdString(error.what()), /*warning=*/true);
  }
}

void Form1::SaveDiagramAs(const std::string& path) const {
  const QString name = QString::fromStdString(path);
  if (name.endsWith(".svg", Qt::CaseInsensitive)) {
    // The same drawing calls again, onto the SVG surface of the command line.
    const QSize size = picture1_->ScaleSize();
    diagram::SvgSurface svg(size.width(), size.height());
    picture1_->Drawing().ReplayOnto(svg);
    platform::WriteFileAtomically(path, svg.Document());
    return;
  }
  // The drawing area as shown, axis letters included, at the screen's density.
  const QImage image = picture1_->grab(QRect(PictureBox::ScaleOrigin(), picture1_->ScaleSize())).toImage();
  const QByteArray bytes = render::PngBytes(image, "the diagram could not be encoded as PNG");
  platform::WriteFileAtomically(path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

void Form1::UseSettings() {
  uses_settings_ = true;
  QSettings settings;
  const QByteArray geometry = settings.value("window/geometry").toByteArray();
  if (!geometry.isEmpty()) restoreGeometry(geometry);
  for (const calc::FieldLabel& field : calc::kInputLabels) {
    const QVariant text = settings.value(QString("inputs/") + FromUtf8(field.label));
    if (text.isValid()) Field(field.control).setText(text.toString());
  }
  const std::optional<calc::Method> method =
      calc::MethodFromName(settings.value("calculation/method").toString().toStdString());
  if (method) SetMethod(*method);
}

void Form1::SaveSettings() const {
  QSettings settings;
  settings.setValue("window/geometry", saveGeometry());
  for (const calc::FieldLabel& field : calc::kInputLabels) {
    settings.setValue(QString("inputs/") + FromUtf8(field.label), Field(field.control).text());
  }
  settings.setValue("calculation/method", FromUtf8(calc::MethodName(method_)));
}

void Form1::Mn_About_Click() {
  if (!form_about_) form_about_ = std::make_unique<FormAbout>();
  form_about_->show();
  form_about_->raise();
  form_about_->activateWindow();
}

void Form1::Mn_Diagram_Click() { companions_.ShowChart(*this); }

void Form1::ShowMessage(const std::string& prompt) {
  ShowModalBox(this, QString::fromStdString(prompt), /*warning=*/false);
}


}  // namespace app
