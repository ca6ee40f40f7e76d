// SPDX-License-Identifier: GPL-3.0-or-later
// The table's drawing surface: a persistent off-screen image plus the drawing state
// (font size and colour, brush, pen) that one drawing routine leaves for the next.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>
#include <functional>
#include <utility>

class QPainter;

namespace marnelok {

// All coordinates are logical pixels; rectangles are given by their edges with the
// right and bottom edge exclusive, so (x1, y1, x2, y2) covers (x2 - x1) x (y2 - y1) pixels.
// Every routine draws at once; the changed callback tells the widget to show the result.
class Canvas {
 public:
  static constexpr int kDefaultFontSize = 16;  // points, the table's own font
  static constexpr int kAnyWidth = 0;          // a text keeps its natural width

  Canvas();

  // Makes the image logical x devicePixelRatio device pixels, with a ratio lowered (not below
  // 1) as far as needed to fit in maxDevice, when given. The picture may be lost: the owner
  // follows a resize with a full repaint.
  void Resize(QSize logical, qreal devicePixelRatio = 1.0, QSize maxDevice = QSize());
  QSize LogicalSize() const { return logical_; }
  qreal DevicePixelRatio() const { return image_.devicePixelRatio(); }

  void Clear(const QColor& color);

  // Drawing state, kept between calls on purpose: several routines draw with what the
  // previous one left.
  void ResetFont();  // bold sans-serif, 16 points, black
  void SetFontSize(int points);
  int FontSize() const { return fontPoints_; }
  void SetFontColor(const QColor& color) { fontColor_ = color; }
  QColor FontColor() const { return fontColor_; }
  void SetBrush(const QColor& color) { brush_ = color; }
  QColor Brush() const { return brush_; }
  void SetPen(const QColor& color) { pen_ = color; }
  QColor Pen() const { return pen_; }

  void FillRect(int x1, int y1, int x2, int y2);   // in the brush colour
  void FrameRect(int x1, int y1, int x2, int y2);  // 1 px border in the brush colour
  // Outline in the pen colour, inside filled with the brush; corners are quarters of an
  // ellipse of ellipseWidth x ellipseHeight.
  void RoundRect(int x1, int y1, int x2, int y2, int ellipseWidth, int ellipseHeight);
  // Text with its top-left corner at (x, y) on a background of the brush colour that
  // covers exactly the text's extent. A text wider than maxWidth is drawn narrowed to it:
  // the substitute face is wider than the one the layout was made for, and a few texts
  // would otherwise run over their neighbours.
  void TextAt(int x, int y, const QString& text, int maxWidth = kAnyWidth);
  // Fills the rectangle with the brush and draws the text from (x, y), clipped to it,
  // narrowed to maxWidth as above.
  void TextInRect(int x1, int y1, int x2, int y2, int x, int y, const QString& text,
                  int maxWidth = kAnyWidth);
  QSize TextExtent(const QString& text, int maxWidth = kAnyWidth) const;
  int TextWidth(const QString& text) const { return TextExtent(text).width(); }
  int TextHeight(const QString& text) const { return TextExtent(text).height(); }
  // The picture at its own size with its top-left corner at (x, y), copied without blending.
  // `doubled` is the same picture drawn at twice the size (device pixel ratio 2): on an image
  // whose ratio is above 1 it is drawn in the picture's place, so the picture stays sharp.
  // At other ratios than 1 and 2 the chosen one is resampled to exactly the device pixels
  // that the picture's rectangle covers, the same pixels FillRect would fill.
  void Draw(int x, int y, const QImage& picture, const QImage& doubled = QImage());

  const QImage& image() const { return image_; }
  void SetChangedCallback(std::function<void()> callback) { changed_ = std::move(callback); }

 private:
  // The font, narrowed where needed so that the text spans at most maxWidth pixels.
  QFont FontFor(const QString& text, int maxWidth) const;
  // The extent of the text in `font`, the font FontFor chose for it and maxWidth.
  QSize ExtentIn(const QFont& font, const QString& text, int maxWidth) const;
  void BeginText(QPainter& painter, const QFont& font) const;
  // The device pixel where the logical coordinate v begins.
  int Device(int v) const;
  QRect DeviceRect(int x1, int y1, int x2, int y2) const;
  // A line one logical pixel wide, as a whole number of device pixels, so every frame on a
  // scaled image is equally thick.
  int DeviceLineWidth() const;
  // Paints on the image in device pixels, whatever its device pixel ratio.
  void PaintInDevicePixels(const std::function<void(QPainter&)>& paint);
  // The picture copied 1:1 with its top-left corner at the device pixel `at`.
  void CopyToDevice(QPoint at, const QImage& picture);
  void Changed() const;

  QImage image_;
  QSize logical_;
  QFont font_;
  int fontPoints_ = kDefaultFontSize;
  QColor fontColor_{Qt::black};
  QColor brush_{Qt::white};
  QColor pen_{Qt::black};
  std::function<void()> changed_;
};

// Points are taken at 96 dots per inch whatever the screen, so 12 pt is always 16 px.
constexpr int PointsToPixels(int points) { return (points * 96 + 36) / 72; }

}  // namespace marnelok
