#include "diagram/svg_surface.h"

#include <array>
#include <cmath>
#include <cstdio>

#include "diagram/axis_letters.h"
#include "diagram/colours.h"

namespace diagram {

namespace {

std::string Hex(platform::Colour c) {
  std::array<char, 8> text{};
  std::snprintf(text.data(), text.size(), "#%02x%02x%02x", platform::RedOf(c),
                platform::GreenOf(c), platform::BlueOf(c));
  return text.data();
}

// Pixel coordinates in the document: whole and half pixels, written short.
std::string Number(double x) {
  std::array<char, 32> text{};
  std::snprintf(text.data(), text.size(), "%.6g", x);
  return text.data();
}

}  // namespace

SvgSurface::SvgSurface(int width, int height, int scale)
    : width_(width), height_(height), scale_(scale), mapping_(PixelMapping(width, height)) {}

void SvgSurface::Scale(float x1, float y1, float x2, float y2) {
  mapping_ = ScaleMapping(x1, y1, x2, y2, width_, height_);
}

void SvgSurface::Cls() { elements_.clear(); }

PixelPosition SvgSurface::PixelOf(float x, float y) const {
  const PixelPosition p = ToPixel(mapping_, x, y);
  // + 0.0 turns a negative zero into zero, which is how it is written.
  return PixelPosition{std::floor(p.x) + 0.0, std::floor(p.y) + 0.0};
}

void SvgSurface::Line(float x1, float y1, float x2, float y2, platform::Colour colour) {
  const PixelPosition a = PixelOf(x1, y1);
  const PixelPosition b = PixelOf(x2, y2);
  elements_ += "<line x1=\"" + Number(a.x + 0.5) + "\" y1=\"" + Number(a.y + 0.5) + "\" x2=\"" +
               Number(b.x + 0.5) + "\" y2=\"" + Number(b.y + 0.5) + "\" stroke=\"" + Hex(colour) +
               "\" stroke-linecap=\"square\"/>\n";
}

void SvgSurface::PSet(float x, float y, platform::Colour colour) {
  const PixelPosition p = PixelOf(x, y);
  if (p.x < 0 || p.y < 0 || p.x >= width_ || p.y >= height_) return;
  elements_ += "<rect x=\"" + Number(p.x) + "\" y=\"" + Number(p.y) +
               "\" width=\"1\" height=\"1\" fill=\"" + Hex(colour) + "\"/>\n";
}

void SvgSurface::Circle(float x, float y, float radius, platform::Colour colour) {
  const PixelPosition c = PixelOf(x, y);
  elements_ += "<circle cx=\"" + Number(c.x + 0.5) + "\" cy=\"" + Number(c.y + 0.5) + "\" r=\"" +
               Number(HorizontalPixels(mapping_, radius)) + "\" fill=\"none\" stroke=\"" +
               Hex(colour) + "\"/>\n";
}

std::string SvgSurface::Document() const {
  const std::string w = std::to_string(width_);
  const std::string h = std::to_string(height_);
  std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  svg += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + std::to_string(width_ * scale_) +
         "\" height=\"" + std::to_string(height_ * scale_) + "\" viewBox=\"0 0 " + w + " " + h +
         "\" shape-rendering=\"crispEdges\">\n";
  svg += "<rect width=\"" + w + "\" height=\"" + h + "\" stroke=\"none\" fill=\"" + Hex(kLightYellow) + "\"/>\n";
  svg += "<g stroke-width=\"1\">\n" + elements_ + "</g>\n";
  for (const AxisLetter& letter : kAxisLetters) {
    // The label's top edge plus the ascent of its font puts the baseline.
    svg += "<text x=\"" + Number(letter.left * width_ + 1) + "\" y=\"" +
           Number(letter.top * height_ + kAxisLetterPixels) + "\" font-family=\"" +
           (letter.symbol ? "DejaVu Serif, serif" : "DejaVu Sans, sans-serif") +
           "\" font-size=\"" + Number(kAxisLetterPixels) + "\" fill=\"#000000\">" + letter.text +
           "</text>\n";
  }
  svg += "</svg>\n";
  return svg;
}

}  // namespace diagram
