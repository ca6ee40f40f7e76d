// SPDX-License-Identifier: GPL-3.0-or-later
// Paints the table: cells, deck stack, score panel, Top 5 panel and WIN banner.
#include "table_painter.h"

#include <algorithm>
#include <array>

#include "board.h"
#include "cards.h"
#include "hand.h"
#include "panel_texts.h"

namespace marnelok {
namespace {

const QColor kBlack(0, 0, 0);
const QColor kWhite(255, 255, 255);
const QColor kRed(255, 0, 0);
const QColor kYellow(255, 255, 0);

constexpr int kPipGap = 3;
constexpr int kDeckStackPitch = 50;
constexpr int kPanelFontSize = 10;
constexpr int kTopFiveFontSize = 16;
constexpr int kCorner = 25;
constexpr int kBannerBox = 48;
constexpr int kTopFiveNameLength = 23;
// Room for the Top 5 texts: names end short of the score column at 360, and nothing runs
// into the panel's right border at 459.
constexpr int kTopFiveTextLeft = TopFiveEntryArea(1).x;
constexpr int kTopFiveScoreLeft = 360;
constexpr int kTopFiveNameRoom = kTopFiveScoreLeft - kTopFiveTextLeft - 10;
constexpr int kTopFiveLineRoom = 459 - kTopFiveTextLeft - 4;
constexpr int kTopFiveScoreRoom = 459 - kTopFiveScoreLeft - 4;
constexpr int kBannerTextOffset = 4;
// The banner's word is measured at the cards' usual size, the largest it takes on the board.
constexpr int kBannerWordPoints = 12;
// The score panel's texts start this far right of its left edge: headings and line numbers,
// hand names and the total.
constexpr int kPanelTextLeft = 3;
constexpr int kPanelNameLeft = 19;
// The "Play..." label's left edge, and the next-game tile's text inside its cell.
constexpr int kPlayLabelLeft = 12;
constexpr int kTileTextLeft = 8;
constexpr int kTileLinePitch = 20;
// The hint frame lies inside the slot's white outline, one pixel of table colour apart.
constexpr int kHintFrameInset = 2;
constexpr int kHintFrameWidth = 3;
// The advisor's frame lies two pixels further in than the hint's and the player's, so that the
// two frames of a placement that was the best one both show; its dashes are as long as its gaps.
constexpr int kAdvisedFrameInset = kHintFrameInset + kHintFrameWidth + 2;
constexpr int kAdvisedDash = 6;

// The banner's boxes are 48 pixels wide, or as wide as a longer word in another language, so
// that the word is never squeezed past reading.
int BannerBox(Canvas& canvas, const QString& word) {
  const int points = canvas.FontSize();
  canvas.SetFontSize(kBannerWordPoints);
  const int width = canvas.TextWidth(word);
  canvas.SetFontSize(points);
  return std::max(kBannerBox, width + 2 * kBannerTextOffset);
}

}  // namespace

TablePainter::TablePainter(Canvas& canvas, const GameState& state, const TableGeometry& geometry,
                           const CardImages& images, const TableLook& look,
                           const TopFiveList& topFive, const std::optional<Cell>& hint)
    : canvas_(canvas),
      state_(state),
      geometry_(geometry),
      images_(images),
      look_(look),
      topFive_(topFive),
      hint_(hint) {}

void TablePainter::SystemRepaint() {
  canvas_.Clear(CurrentTableColor());
  canvas_.ResetFont();
  canvas_.SetBrush(CurrentTableColor());
  PaintBoxPaint();
}

void TablePainter::PaintBoxPaint() {
  DrawDeckStack();
  if (state_.gameActive) {
    DrawBoard();
    return;
  }
  if (state_.deckSlot() == kNextGameTileCode) DrawCell(kNextGameTileCode, 1, 1);
  DrawBoard();
  DrawWinBanner();
}

void TablePainter::DrawCell(int code, int column, int row) {
  canvas_.SetFontSize(geometry_.cardFontSize);
  rowPitch_ = geometry_.cardHeight + 2;
  const Point origin = CellOrigin(geometry_, column, row);
  const int x = origin.x;
  const int y = origin.y;
  const int w = geometry_.cardWidth;
  const int h = geometry_.cardHeight;

  if (IsCard(code)) {
    DrawCardFace(code, x, y);
  } else if (code == kEmptySlotCode) {
    canvas_.SetBrush(CurrentTableColor());
    canvas_.FillRect(x, y, x + w, y + h);
    canvas_.SetBrush(kWhite);
    canvas_.FrameRect(x, y, x + w, y + h);
  } else if (code == kNextGameTileCode) {
    canvas_.SetFontSize(10);
    canvas_.SetFontColor(kBlack);
    canvas_.SetBrush(kYellow);
    canvas_.FillRect(x - 5, y + 3, x + w, y + h + 10);
    canvas_.SetBrush(kBlack);
    canvas_.FrameRect(x - 5, y + 3, x + w, y + h + 10);
    canvas_.SetBrush(kYellow);
    canvas_.SetPen(kBlack);
    const QStringList lines = PanelTexts::NextGameTile();
    for (int k = 0; k < lines.size(); ++k)
      canvas_.TextAt(x + kTileTextLeft, y + 6 + kTileLinePitch * k, lines[k]);
  } else if (code == kBlankCode) {
    // One pixel wider and taller than a card, so no trace of the card below remains.
    canvas_.SetBrush(CurrentTableColor());
    canvas_.FillRect(x, y, x + w + 1, y + h + 1);
  }
}

void TablePainter::DrawCardFace(int code, int x, int y) {
  const int w = geometry_.cardWidth;
  const int h = geometry_.cardHeight;
  const int rank = CardRank(code);
  const int suit = CardSuit(code);
  const QImage& symbol = images_.symbol[static_cast<size_t>(suit)];
  const QImage& pip = images_.pip[static_cast<size_t>(suit)];
  const std::string_view label = RankLabel(rank);
  const QString index = QString::fromLatin1(label.data(), static_cast<qsizetype>(label.size()));

  canvas_.SetPen(kBlack);
  canvas_.SetBrush(kWhite);
  canvas_.SetFontColor(IsRedSuit(suit) ? kRed : kBlack);

  canvas_.FillRect(x, y, x + w, y + h);
  canvas_.SetBrush(kBlack);
  canvas_.FrameRect(x, y, x + w, y + h);
  canvas_.SetBrush(kWhite);

  const QSize extent = canvas_.TextExtent(index);
  canvas_.TextInRect(x + 2, y + 1, x + 2 + extent.width(), y + 1 + extent.height(), x + 2, y + 1,
                     index);
  // The bottom-right index reads the same way up, right- and bottom-aligned 2 px inside.
  const int left = x + w - 2 - extent.width();
  const int top = y + h - 2 - extent.height();
  canvas_.TextInRect(left, top, x + w - 2, y + h - 2, left, top, index);

  canvas_.Draw(x + 2, y + h - 2 - symbol.height(), symbol, Twin(symbol));
  // The clubs symbol is 2 px wider than the others and starts further left.
  canvas_.Draw(x + w - (suit == kClubs ? 25 : 23), y + 2, symbol, Twin(symbol));

  const int pipHeight = pip.height();
  const int centreY = y + (h - pipHeight) / 2;
  if (rank <= 5) {
    DrawPipRow(pip, rank, x, centreY);
  } else if (rank <= 10) {
    DrawPipRow(pip, rank / 2, x, centreY - pipHeight);
    DrawPipRow(pip, rank - rank / 2, x, centreY + pipHeight);
  }
}

const QImage& TablePainter::Twin(const QImage& picture) const {
  static const QImage kNone;
  return canvas_.DevicePixelRatio() > 1.0 ? images_.Doubled(picture) : kNone;
}

void TablePainter::DrawPipRow(const QImage& pip, int count, int x, int y) {
  const int step = pip.width() + kPipGap;
  const int offset = (geometry_.cardWidth - count * pip.width() - kPipGap * (count - 1)) / 2;
  const QImage& doubled = Twin(pip);
  for (int k = 0; k < count; ++k) canvas_.Draw(x + offset + k * step, y, pip, doubled);
}

void TablePainter::DrawDeckStack() {
  rowPitch_ = kDeckStackPitch;
  if (look_.cardBack == nullptr) return;
  const QImage& doubled = Twin(*look_.cardBack);
  for (int corner : {9, 11, 13}) canvas_.Draw(corner, corner, *look_.cardBack, doubled);
}

void TablePainter::DrawBoard() {
  if (topFiveShown_) {
    DrawTopFivePanel();
    return;
  }
  for (int column = 1; column <= kBoardColumns; ++column) {
    for (int row = 1; row <= kBoardRows; ++row) {
      DrawCell(state_.board[static_cast<size_t>(column)][static_cast<size_t>(row)], column, row);
    }
  }
  DrawHintFrame();
  if (demo_ != nullptr && *demo_) DrawCellFrame(**demo_, CellFrame::kAdvised);
  if (state_.dealCount > 0) {
    const Area panel = ScorePanelArea(geometry_);
    canvas_.SetBrush(CurrentPanelColor());
    canvas_.SetPen(kBlack);
    canvas_.RoundRect(panel.x, panel.y, panel.x + panel.width, panel.y + panel.height, kCorner,
                      kCorner);
    DrawScorePanel();
  }
}

bool TablePainter::Frameable(Cell cell) const {
  return !topFiveShown_ && cell.column >= kFirstGridColumn && cell.column <= kBoardColumns &&
         cell.row >= 1 && cell.row <= kBoardRows &&
         state_.board[static_cast<size_t>(cell.column)][static_cast<size_t>(cell.row)] ==
             kEmptySlotCode;
}

void TablePainter::DrawHintFrame() {
  if (hint_) DrawCellFrame(*hint_, CellFrame::kHint);
}

void TablePainter::DrawCellFrame(Cell cell, CellFrame frame) {
  if (!Frameable(cell)) return;
  switch (frame) {
    case CellFrame::kHint:
      DrawBand(cell, kHintFrameInset, kHintFrameWidth, HintFrameColor());
      break;
    case CellFrame::kChosen:
      DrawBand(cell, kHintFrameInset, kHintFrameWidth, ChosenFrameColor());
      break;
    case CellFrame::kAdvised:
      DrawBand(cell, kAdvisedFrameInset, kHintFrameWidth, AdvisedFrameColor(), kAdvisedDash);
      break;
  }
}

void TablePainter::DrawBand(Cell cell, int inset, int width, const QColor& color, int dash) {
  const Point origin = CellOrigin(geometry_, cell.column, cell.row);
  const QColor brush = canvas_.Brush();
  canvas_.SetBrush(color);
  // Four bands rather than nested one-pixel frames, so that no device pixel between two of
  // them is left out at a fractional ratio.
  const int left = origin.x + inset;
  const int top = origin.y + inset;
  const int right = origin.x + geometry_.cardWidth - inset;
  const int bottom = origin.y + geometry_.cardHeight - inset;
  const int w = width;
  // Dashes at both ends of each side and evenly between, so that every corner is drawn
  // whatever the cell's size; the gaps come out about as long as the dashes.
  const auto side = [dash](int from, int to, const auto& fill) {
    if (dash <= 0) {
      fill(from, to);
      return;
    }
    const int length = to - from;
    const int count = std::max(2, (length + dash + dash) / (2 * dash));
    for (int k = 0; k < count; ++k) {
      const int start = from + k * (length - dash) / (count - 1);
      fill(start, start + dash);
    }
  };
  side(left, right, [&](int x1, int x2) {
    canvas_.FillRect(x1, top, x2, top + w);
    canvas_.FillRect(x1, bottom - w, x2, bottom);
  });
  side(top, bottom, [&](int y1, int y2) {
    canvas_.FillRect(left, std::max(y1, top + w), left + w, std::min(y2, bottom - w));
    canvas_.FillRect(right - w, std::max(y1, top + w), right, std::min(y2, bottom - w));
  });
  canvas_.SetBrush(brush);
}

void TablePainter::DrawScorePanel() {
  canvas_.SetFontSize(kPanelFontSize);
  canvas_.SetBrush(CurrentTableColor());
  canvas_.SetFontColor(kBlack);

  // The label and its erasure share one background box as wide as the wider of the two,
  // so the spaces always cover the label whatever the font.
  const QString play = PanelTexts::Play();
  const QString erase(11, QLatin1Char(' '));
  const QString& label = state_.deckSlot() == kNextGameTileCode ? erase : play;
  const int labelY = 3 * rowPitch_ - 15;
  const int labelWidth = std::max(canvas_.TextWidth(play), canvas_.TextWidth(erase));
  canvas_.TextInRect(kPlayLabelLeft, labelY, kPlayLabelLeft + labelWidth,
                     labelY + canvas_.TextHeight(label), kPlayLabelLeft, labelY, label);

  canvas_.SetBrush(CurrentPanelColor());
  const int left = PanelLeft(geometry_) + kPanelTextLeft;
  const int right = PanelLeft(geometry_) + kPanelNameLeft;
  const int lineHeight = canvas_.TextHeight(QStringLiteral("0"));
  // Names and the total are drawn over their predecessors without clearing the panel.
  // Their backgrounds span the widest possible text, so a shorter text (after an undo)
  // leaves no trace of a longer one.
  std::array<QString, kHandClassCount> names;
  int nameWidth = 0;
  for (int handClass = 0; handClass < kHandClassCount; ++handClass) {
    names[static_cast<size_t>(handClass)] = PanelTexts::PaddedHand(handClass);
    nameWidth = std::max(nameWidth, canvas_.TextWidth(names[static_cast<size_t>(handClass)]));
  }
  const auto drawName = [&](int handClass, int y) {
    // A class outside the table can only come from a corrupted state: shown as "None".
    if (handClass < 0 || handClass >= kHandClassCount) handClass = kNone;
    canvas_.TextInRect(right, y, right + nameWidth, y + lineHeight, right, y,
                       names[static_cast<size_t>(handClass)]);
  };

  canvas_.TextAt(left, PanelLineTop(1), PanelTexts::Score());
  canvas_.TextAt(left, PanelLineTop(2), PanelTexts::DownTheColumns());
  for (int n = 1; n <= 5; ++n) {
    canvas_.TextAt(left, PanelLineTop(2 + n), QString::number(n));
    drawName(state_.lineResults[static_cast<size_t>(n + 1)].column, PanelLineTop(2 + n));
  }
  canvas_.TextAt(left, PanelLineTop(9), PanelTexts::AcrossTheRows());
  for (int n = 1; n <= 5; ++n) {
    canvas_.TextAt(left, PanelLineTop(9 + n), QString::number(n));
    drawName(state_.lineResults[static_cast<size_t>(n)].row, PanelLineTop(9 + n));
  }
  canvas_.TextAt(left, PanelLineTop(16), PanelTexts::TotalScore());
  const QString total = QString::number(state_.totalScore);
  const int totalWidth =
      std::max(canvas_.TextWidth(QStringLiteral("8888")), canvas_.TextWidth(total));
  const int totalTop = PanelLineTop(17);
  canvas_.TextInRect(right, totalTop, right + totalWidth, totalTop + lineHeight, right, totalTop,
                     total);

  if (!state_.gameActive) DrawWinBanner();
}

void TablePainter::DrawTopFivePanel() {
  canvas_.SetFontSize(kTopFiveFontSize);
  canvas_.SetPen(kBlack);
  canvas_.SetBrush(kYellow);
  const Area panel = kTopFivePanelArea;
  canvas_.RoundRect(panel.x, panel.y, panel.x + panel.width, panel.y + panel.height, kCorner,
                    kCorner);
  canvas_.SetFontColor(kBlack);
  canvas_.TextAt(kTopFiveTextLeft, 30, PanelTexts::TopFiveTitle(), kTopFiveLineRoom);
  for (int i = 1; i <= 5; ++i) {
    const TopFiveEntry& entry = topFive_[static_cast<size_t>(i - 1)];
    const int top = TopFiveEntryArea(i).y;
    canvas_.TextAt(kTopFiveTextLeft, top,
                   PanelTexts::TopFiveName(entry.name, entry.score).left(kTopFiveNameLength),
                   kTopFiveNameRoom);
    canvas_.TextAt(kTopFiveScoreLeft, top, QString::number(entry.score), kTopFiveScoreRoom);
  }
  canvas_.TextAt(kTopFiveTextLeft, 300, PanelTexts::TopFiveResume(), kTopFiveLineRoom);
}

void TablePainter::DrawWinBanner() {
  if (!IsWin(state_.totalScore)) return;
  const int y = BannerTop(rowPitch_);
  canvas_.SetBrush(CurrentPanelColor());
  // Boxes past the canvas would be clipped away anyway; stopping there also bounds the
  // loop whatever screen width is reported.
  const int end = std::min(look_.screenWidth, canvas_.LogicalSize().width());
  const QString win = PanelTexts::Win();
  const int box = BannerBox(canvas_, win);
  for (int x = 0; x < end; x += box) {
    canvas_.SetPen(kBlack);
    canvas_.SetFontColor(kRed);
    // Over the Top 5 panel the word is 16 points, which would not fit its box whole.
    canvas_.TextInRect(x, y, x + box, y + kBannerHeight, x + kBannerTextOffset,
                       y + kBannerTextOffset, win, box - kBannerTextOffset);
  }
}

std::vector<PlacedText> TablePainter::PlacedTexts(const TableGeometry& g) {
  // Up to the panel's right border, one pixel clear of it.
  const int panelRoom = g.panelWidth - 2;
  const int headingRoom = panelRoom - kPanelTextLeft;
  Canvas measure;
  const int bannerRoom = BannerBox(measure, PanelTexts::Win()) - kBannerTextOffset;
  std::vector<PlacedText> texts = {
      {"score panel heading", PanelTexts::Score(), kPanelFontSize, headingRoom},
      {"score panel heading", PanelTexts::DownTheColumns(), kPanelFontSize, headingRoom},
      {"score panel heading", PanelTexts::AcrossTheRows(), kPanelFontSize, headingRoom},
      {"score panel heading", PanelTexts::TotalScore(), kPanelFontSize, headingRoom},
      // Clear of the grid's second column.
      {"label over the current card", PanelTexts::Play(), kPanelFontSize,
       CellOrigin(g, 2, 1).x - 1 - kPlayLabelLeft},
      // The banner takes the size of what was drawn before it: the board or the Top 5 panel.
      {"WIN banner over the board", PanelTexts::Win(), kPanelFontSize, bannerRoom, true},
      {"WIN banner over the Top 5 panel", PanelTexts::Win(), kTopFiveFontSize, bannerRoom, true},
      {"Top 5 title", PanelTexts::TopFiveTitle(), kTopFiveFontSize, kTopFiveLineRoom, true},
      {"Top 5 last line", PanelTexts::TopFiveResume(), kTopFiveFontSize, kTopFiveLineRoom, true},
      {"Top 5 empty entry", PanelTexts::TopFiveName(QStringLiteral("None"), 0), kTopFiveFontSize,
       kTopFiveNameRoom, true},
  };
  for (int handClass = 0; handClass < kHandClassCount; ++handClass)
    texts.push_back({"hand name", PanelTexts::PaddedHand(handClass), kPanelFontSize,
                     panelRoom - kPanelNameLeft});
  // Inside the tile's frame.
  for (const QString& line : PanelTexts::NextGameTile())
    texts.push_back({"next-game tile", line, kPanelFontSize, g.cardWidth - 1 - kTileTextLeft});
  return texts;
}

}  // namespace marnelok
