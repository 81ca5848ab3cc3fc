#pragma once

#include <functional>

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

class QPaintDevice;

// Pictures as the bytes of their files, for the atomic writer.
namespace render {

// The image as a PNG file; throws std::runtime_error(failure) when the
// encoder gives up (in practice, for want of memory).
QByteArray PngBytes(const QImage& image, const char* failure);

// An SVG document of `size` pixels (user units = pixels) with its title and
// description, drawn by `paint` onto the document. `resolution` is the dots
// per inch it states, 72 by default as QSvgGenerator's own.
QByteArray SvgBytes(QSize size, const QString& title, const QString& description,
                    const std::function<void(QPaintDevice&)>& paint, int resolution = 72);

}  // namespace render
