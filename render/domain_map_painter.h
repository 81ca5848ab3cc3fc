#pragma once

#include <QByteArray>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QSize>

#include "exact/domain_map.h"

// The domain map drawn with QPainter: one drawing for the window, the PNG and
// the SVG picture. The TetaA-TetaB plane with tick numbers and axis titles,
// the regions shaded and named in a legend, the von Neumann and detachment
// lines labelled, thetaN and thetaD on the diagonal, the incident shocks'
// detachment limits, and the inputs marked.
namespace render {

// Draws `map` into `area` (logical pixels) of an active painter. The text
// scales with the area's size, so a picture reads the same at any size.
void PaintDomainMap(QPainter& painter, const QRectF& area, const exact::DomainMap& map);

// The map as an image of `size` logical pixels, `scale` device pixels each
// (2 or 3 for print). Needs a QGuiApplication for the text.
QImage DomainMapImage(const exact::DomainMap& map, QSize size, qreal scale = 1.0);

// The same as PNG file bytes; throws std::runtime_error if encoding fails.
QByteArray DomainMapPng(const exact::DomainMap& map, QSize size, qreal scale = 1.0);

// The map as an SVG document of `size` (user units = pixels).
QByteArray DomainMapSvg(const exact::DomainMap& map, QSize size);

}  // namespace render
