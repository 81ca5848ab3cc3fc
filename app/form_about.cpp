#include "app/form_about.h"

#include <algorithm>

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QPalette>

#include "app/form_layout.h"

namespace app {

QColor ColourFromValue(int value) {
  return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

FormAbout::FormAbout()
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
  using namespace form_about;
  setObjectName("Form_About");
  setWindowTitle(QString::fromUtf8(kCaption.data(), kCaption.size()));
  resize(TwipsToPixels(kClientWidth), TwipsToPixels(kClientHeight));
  setFocusPolicy(Qt::NoFocus);

  QPalette yellow = palette();
  yellow.setColor(QPalette::Window, ColourFromValue(kLightYellow));
  setPalette(yellow);
  setAutoFillBackground(true);

  for (const AboutLine& entry : kLabels) {
    auto* label = new QLabel(QString::fromUtf8(entry.text.data(), entry.text.size()), this);
    label->setObjectName(QString::fromUtf8(entry.name.data(), entry.name.size()));
    // Plain text only: the address must not turn into a link.
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::NoTextInteraction);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setFocusPolicy(Qt::NoFocus);

    QFont font(QString::fromUtf8(kFontFamily.data(), kFontFamily.size()));
    font.setStyleHint(QFont::SansSerif);  // where Verdana is missing
    font.setPointSizeF(entry.point_size);
    font.setBold(false);
    font.setItalic(false);
    font.setUnderline(false);
    label->setFont(font);

    // A text longer than the line was drawn for grows to the right, as far as
    // the window reaches, rather than losing its end.
    QRect where = ToPixels(entry.twips);
    const int needed = QFontMetrics(font).horizontalAdvance(label->text()) + 1;
    if (needed > where.width()) {
      where.setWidth(std::min(needed, TwipsToPixels(kClientWidth) - where.left()));
    }
    label->setGeometry(where);

    QPalette colours = label->palette();
    colours.setColor(QPalette::Window, ColourFromValue(kLightYellow));
    if (entry.colour >= 0) colours.setColor(QPalette::WindowText, ColourFromValue(entry.colour));
    label->setPalette(colours);
    label->setAutoFillBackground(true);
  }
}

}  // namespace app
