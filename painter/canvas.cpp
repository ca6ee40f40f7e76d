// SPDX-License-Identifier: GPL-3.0-or-later
// The table's drawing surface: primitives on the off-screen image and the drawing state.
#include "canvas.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPen>
#include <QRect>
#include <algorithm>
#include <cmath>

namespace marnelok {
namespace {

QRect Edges(int x1, int y1, int x2, int y2) { return QRect(x1, y1, x2 - x1, y2 - y1); }

}  // namespace

Canvas::Canvas() {
  // DejaVu Sans Bold on Linux; elsewhere the style hint finds the system's bold sans-serif.
  font_.setFamily(QStringLiteral("DejaVu Sans"));
  font_.setStyleHint(QFont::SansSerif);
  font_.setBold(true);
  // Grey-scale smoothing keeps the red and black of the indices free of colour fringes.
  font_.setStyleStrategy(QFont::NoSubpixelAntialias);
  ResetFont();
}

void Canvas::Resize(QSize logical, qreal devicePixelRatio, QSize maxDevice) {
  if (!(devicePixelRatio > 0.0)) devicePixelRatio = 1.0;
  logical_ = logical.expandedTo(QSize(0, 0));
  // Device pixels beyond what the screen shows would never be seen; above one per logical
  // pixel the ratio drops until the image fits (a scale of 100 once asked for 12.5 GB).
  if (devicePixelRatio > 1.0 && !maxDevice.isEmpty() && !logical_.isEmpty()) {
    devicePixelRatio =
        std::max(1.0, std::min({devicePixelRatio, qreal(maxDevice.width()) / logical_.width(),
                                qreal(maxDevice.height()) / logical_.height()}));
  }
  const QSize device(static_cast<int>(std::ceil(logical_.width() * devicePixelRatio)),
                     static_cast<int>(std::ceil(logical_.height() * devicePixelRatio)));
  if (device.isEmpty()) {
    image_ = QImage();
    return;
  }
  image_ = QImage(device, QImage::Format_RGB32);
  image_.setDevicePixelRatio(devicePixelRatio);
  image_.fill(Qt::black);
}

void Canvas::Clear(const QColor& color) {
  if (image_.isNull()) return;
  image_.fill(color);
  Changed();
}

void Canvas::ResetFont() {
  SetFontSize(kDefaultFontSize);
  fontColor_ = Qt::black;
}

void Canvas::SetFontSize(int points) {
  fontPoints_ = points;
  font_.setPixelSize(std::max(1, PointsToPixels(points)));
}

void Canvas::FillRect(int x1, int y1, int x2, int y2) {
  if (image_.isNull() || x2 <= x1 || y2 <= y1) return;
  QPainter painter(&image_);
  painter.fillRect(Edges(x1, y1, x2, y2), brush_);
  painter.end();
  Changed();
}

void Canvas::FrameRect(int x1, int y1, int x2, int y2) {
  if (image_.isNull() || x2 <= x1 || y2 <= y1) return;
  if (image_.devicePixelRatio() == 1.0) {
    QPainter painter(&image_);
    painter.fillRect(Edges(x1, y1, x2, y1 + 1), brush_);
    painter.fillRect(Edges(x1, y2 - 1, x2, y2), brush_);
    painter.fillRect(Edges(x1, y1, x1 + 1, y2), brush_);
    painter.fillRect(Edges(x2 - 1, y1, x2, y2), brush_);
  } else {
    const QRect r = DeviceRect(x1, y1, x2, y2);
    const int t = std::min({DeviceLineWidth(), r.width(), r.height()});
    PaintInDevicePixels([&](QPainter& painter) {
      painter.fillRect(QRect(r.left(), r.top(), r.width(), t), brush_);
      painter.fillRect(QRect(r.left(), r.bottom() + 1 - t, r.width(), t), brush_);
      painter.fillRect(QRect(r.left(), r.top(), t, r.height()), brush_);
      painter.fillRect(QRect(r.right() + 1 - t, r.top(), t, r.height()), brush_);
    });
  }
  Changed();
}

void Canvas::RoundRect(int x1, int y1, int x2, int y2, int ellipseWidth, int ellipseHeight) {
  if (image_.isNull() || x2 - x1 < 2 || y2 - y1 < 2) return;
  const qreal ratio = image_.devicePixelRatio();
  const qreal radiusX = std::max(0, ellipseWidth - 1) / 2.0;
  const qreal radiusY = std::max(0, ellipseHeight - 1) / 2.0;
  // A pen centred half its width inside the edges lands exactly on the outermost pixels, so
  // straight edges stay sharp and only the corners are smoothed.
  const auto paint = [&](QPainter& painter, const QRect& edges, qreal penWidth, qreal scale) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(pen_, penWidth));
    painter.setBrush(brush_);
    const qreal half = penWidth / 2.0;
    painter.drawRoundedRect(QRectF(edges).adjusted(half, half, -half, -half), radiusX * scale,
                            radiusY * scale);
  };
  if (ratio == 1.0) {
    QPainter painter(&image_);
    paint(painter, Edges(x1, y1, x2, y2), 1.0, 1.0);
  } else {
    const QRect edges = DeviceRect(x1, y1, x2, y2);
    const int penWidth = DeviceLineWidth();
    PaintInDevicePixels([&](QPainter& painter) { paint(painter, edges, penWidth, ratio); });
  }
  Changed();
}

void Canvas::TextAt(int x, int y, const QString& text, int maxWidth) {
  if (image_.isNull()) return;
  const QFont font = FontFor(text, maxWidth);
  const QFontMetrics metrics(font);
  const QRect extent(QPoint(x, y), ExtentIn(font, text, maxWidth));
  QPainter painter(&image_);
  painter.fillRect(extent, brush_);
  // Whatever the font engine makes of a narrowed face, nothing lands outside the extent.
  if (maxWidth > kAnyWidth) painter.setClipRect(extent);
  BeginText(painter, font);
  painter.drawText(QPoint(x, y + metrics.ascent()), text);
  painter.end();
  Changed();
}

void Canvas::TextInRect(int x1, int y1, int x2, int y2, int x, int y, const QString& text,
                        int maxWidth) {
  if (image_.isNull() || x2 <= x1 || y2 <= y1) return;
  const QFont font = FontFor(text, maxWidth);
  const QFontMetrics metrics(font);
  const QRect box = Edges(x1, y1, x2, y2);
  QPainter painter(&image_);
  painter.fillRect(box, brush_);
  painter.setClipRect(box);
  BeginText(painter, font);
  painter.drawText(QPoint(x, y + metrics.ascent()), text);
  painter.end();
  Changed();
}

QSize Canvas::TextExtent(const QString& text, int maxWidth) const {
  return ExtentIn(FontFor(text, maxWidth), text, maxWidth);
}

QSize Canvas::ExtentIn(const QFont& font, const QString& text, int maxWidth) const {
  int width = QFontMetrics(font).horizontalAdvance(text);
  // A text too long even at the narrowest stretch is cut at maxWidth, where TextAt clips it.
  if (maxWidth > kAnyWidth) width = std::min(width, maxWidth);
  return {width, QFontMetrics(font_).height()};
}

QFont Canvas::FontFor(const QString& text, int maxWidth) const {
  if (maxWidth <= kAnyWidth) return font_;
  const int natural = QFontMetrics(font_).horizontalAdvance(text);
  if (natural <= maxWidth) return font_;
  // Stretch is a percentage of the natural width; rounding in the font engine may need a
  // step or two more.
  QFont narrow = font_;
  for (int stretch = std::max(1, maxWidth * 100 / natural); stretch >= 1; --stretch) {
    narrow.setStretch(stretch);
    if (QFontMetrics(narrow).horizontalAdvance(text) <= maxWidth) break;
  }
  return narrow;
}

void Canvas::Draw(int x, int y, const QImage& picture, const QImage& doubled) {
  if (image_.isNull() || picture.isNull()) return;
  const qreal ratio = image_.devicePixelRatio();
  if (ratio == 1.0 && picture.devicePixelRatio() == 1.0) {
    QPainter painter(&image_);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(QPoint(x, y), picture);
    painter.end();
    Changed();
    return;
  }
  const QSize logical = picture.deviceIndependentSize().toSize();
  const bool sharper =
      ratio > 1.0 && !doubled.isNull() && doubled.deviceIndependentSize().toSize() == logical;
  const QImage& source = sharper ? doubled : picture;
  const QRect target = DeviceRect(x, y, x + logical.width(), y + logical.height());
  if (target.isEmpty()) return;
  if (source.size() == target.size()) {
    CopyToDevice(target.topLeft(), source);
  } else {
    // Shrinking averages the pixels; a picture enlarged for want of a larger twin keeps its
    // pixels square rather than going soft.
    const bool shrink = source.width() > target.width();
    CopyToDevice(target.topLeft(),
                 source.scaled(target.size(), Qt::IgnoreAspectRatio,
                               shrink ? Qt::SmoothTransformation : Qt::FastTransformation));
  }
  Changed();
}

int Canvas::Device(int v) const { return qRound(v * image_.devicePixelRatio()); }

QRect Canvas::DeviceRect(int x1, int y1, int x2, int y2) const {
  return Edges(Device(x1), Device(y1), Device(x2), Device(y2));
}

int Canvas::DeviceLineWidth() const {
  return std::max(1, static_cast<int>(std::floor(image_.devicePixelRatio())));
}

void Canvas::PaintInDevicePixels(const std::function<void(QPainter&)>& paint) {
  // A view of the same pixels without the ratio, which would make the painter scale every
  // coordinate. bits() first gives the canvas pixels of its own.
  QImage devicePixels(image_.bits(), image_.width(), image_.height(), image_.bytesPerLine(),
                      image_.format());
  QPainter painter(&devicePixels);
  paint(painter);
}

void Canvas::CopyToDevice(QPoint at, const QImage& picture) {
  PaintInDevicePixels([&](QPainter& painter) {
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(QRect(at, picture.size()), picture, picture.rect());
  });
}

void Canvas::BeginText(QPainter& painter, const QFont& font) const {
  painter.setFont(font);
  painter.setPen(fontColor_);
}

void Canvas::Changed() const {
  if (changed_) changed_();
}

}  // namespace marnelok
