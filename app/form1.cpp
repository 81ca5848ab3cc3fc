#include "app/form1.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>

#include "app/form_about.h"
#include "app/form_layout.h"
#include "app/picture_box.h"
#include "calc/warnings.h"
#include "platform/runtime_error.h"

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
      warnings_([this](const std::string& prompt) { ShowWarning(prompt); }),
      failure_([this](const platform::RuntimeError& error) { ShowFailure(error); }) {
  setObjectName("Form1");
  // Sizable, with minimize and close but no maximize button.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  setWindowTitle(FromUtf8(form1::kCaption));

  // The single menu entry is a command on the bar itself, without a drop-down.
  menuBar()->setNativeMenuBar(false);
  mn_about_ = menuBar()->addAction(FromUtf8(form1::kMenuAbout));
  mn_about_->setObjectName("Mn_About");
  connect(mn_about_, &QAction::triggered, this, &Form1::Mn_About_Click);

  BuildControls();
  resize(sizeHint());

  for (const auto& [name, widget] : controls_) {
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
      text_boxes_.emplace(name, std::make_unique<LineEditTextBox>(*edit));
    }
  }
  list_box_ = std::make_unique<ListWidgetListBox>(*list1_);
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
  if (reporters.warning) warnings_.SetHandler(std::move(reporters.warning));
  if (reporters.failure) failure_ = std::move(reporters.failure);
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
  try {
    procedures_->hesapla();
  } catch (const platform::RuntimeError& error) {
    // The calculation stopped at the failing step; the window runs on.
    failure_(error);
  }
}

void Form1::Mn_About_Click() {
  if (!form_about_) form_about_ = std::make_unique<FormAbout>();
  form_about_->show();
  form_about_->raise();
  form_about_->activateWindow();
}

void Form1::ShowMessage(const std::string& prompt) {
  ShowModalBox(this, QString::fromStdString(prompt), /*warning=*/false);
}

void Form1::ShowWarning(const std::string& prompt) {
  ShowModalBox(this, QString::fromStdString(prompt), /*warning=*/true);
}

void Form1::ShowFailure(const platform::RuntimeError& error) {
  const std::string report = calc::DescribeFailure(error, procedures_->State());
  ShowModalBox(this, QString::fromStdString(report), /*warning=*/true);
}

}  // namespace app
