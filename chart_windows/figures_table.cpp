// SPDX-License-Identifier: GPL-3.0-or-later
// Filling the figures table.
#include "figures_table.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QLocale>
#include <QScrollBar>
#include <algorithm>
#include <functional>

namespace marnelok {
namespace {

using history::KindFigures;

struct Figure {
  const char* name;
  std::function<QString(const KindFigures&, const QLocale&)> text;
};

// A share in per cent, spaced as the language writes it.
QString Share(double share, const QLocale& locale) {
  //: A share in per cent; a language that writes "12,5 %" puts a no-break space before the sign.
  return FiguresTable::tr("%1%").arg(locale.toString(share * 100, 'f', 1));
}

// A total is only a figure once a game has been finished.
QString Total(const KindFigures& f, const QLocale& locale, double value, int decimals) {
  return f.finished > 0 ? locale.toString(value, 'f', decimals) : QStringLiteral("-");
}

const std::vector<Figure>& Figures() {
  static const std::vector<Figure> figures{
      {QT_TRANSLATE_NOOP("marnelok::FiguresTable", "Games played"),
       [](auto& f, auto& l) { return l.toString(f.played); }},
      {QT_TRANSLATE_NOOP("marnelok::FiguresTable", "Games finished"),
       [](auto& f, auto& l) { return l.toString(f.finished); }},
      {QT_TRANSLATE_NOOP("marnelok::FiguresTable", "Games won"),
       [](auto& f, auto& l) { return l.toString(f.won); }},
      {QT_TRANSLATE_NOOP("marnelok::FiguresTable", "Share won"),
       [](auto& f, auto& l) { return Share(f.ShareWon(), l); }},
      {QT_TRANSLATE_NOOP("marnelok::FiguresTable", "Mean total"),
       [](auto& f, auto& l) { return Total(f, l, f.mean, 1); }},
      {QT_TRANSLATE_NOOP("marnelok::FiguresTable", "Median total"),
       [](auto& f, auto& l) { return Total(f, l, f.median, 1); }},
      {QT_TRANSLATE_NOOP("marnelok::FiguresTable", "Best total"),
       [](auto& f, auto& l) { return Total(f, l, f.best, 0); }},
      {QT_TRANSLATE_NOOP("marnelok::FiguresTable", "Worst total"),
       [](auto& f, auto& l) { return Total(f, l, f.worst, 0); }},
      {QT_TRANSLATE_NOOP("marnelok::FiguresTable", "Current run of wins"),
       [](auto& f, auto& l) { return l.toString(f.currentRun); }},
      {QT_TRANSLATE_NOOP("marnelok::FiguresTable", "Longest run of wins"),
       [](auto& f, auto& l) { return l.toString(f.longestRun); }},
      {QT_TRANSLATE_NOOP("marnelok::FiguresTable", "Games played with hints"),
       [](auto& f, auto& l) { return l.toString(f.withHints); }},
  };
  return figures;
}

}  // namespace

FiguresTable::FiguresTable(QWidget* parent) : QTableWidget(parent) {
  const int rows = static_cast<int>(Figures().size()) + history::kHandClasses;
  setRowCount(rows);
  setColumnCount(3);
  setHorizontalHeaderLabels({tr("All games"), tr("Regular"), tr("Throw-down")});
  for (int r = 0; r < static_cast<int>(Figures().size()); ++r)
    setVerticalHeaderItem(r, new QTableWidgetItem(tr(Figures()[static_cast<std::size_t>(r)].name)));
  // Hands from the best down, as the game's own hand table lists them, named as the score
  // panel names them (its context in the program's catalogue, "HandNames").
  for (int h = 0; h < history::kHandClasses; ++h) {
    const QByteArray english = history::HandName(h).toLatin1();
    setVerticalHeaderItem(rows - 1 - h, new QTableWidgetItem(QCoreApplication::translate(
                                            "HandNames", english.constData())));
  }
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::NoSelection);
  setFocusPolicy(Qt::StrongFocus);  // the arrows walk the figures, which a screen reader reads
  horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  setToolTip(
      tr("Totals count finished games. Hands count the ten lines of every finished game, "
         "with their share of all those lines. A game left early ends a run of wins."));
  FitColumns();
}

void FiguresTable::Show(const history::Statistics& s) {
  const QLocale locale;
  const KindFigures* kinds[] = {&s.all, &s.regular, &s.throwDown};
  const int figures = static_cast<int>(Figures().size());
  for (int c = 0; c < 3; ++c) {
    const KindFigures& f = *kinds[c];
    for (int r = 0; r < figures; ++r) {
      auto* item = new QTableWidgetItem(Figures()[static_cast<std::size_t>(r)].text(f, locale));
      item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      setItem(r, c, item);
    }
    for (int h = 0; h < history::kHandClasses; ++h) {
      const QString text = tr("%1 (%2)").arg(locale.toString(f.hands[static_cast<std::size_t>(h)]),
                                             Share(f.ShareOfLines(h), locale));
      auto* item = new QTableWidgetItem(text);
      item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      setItem(rowCount() - 1 - h, c, item);
    }
  }
  FitColumns();
}

// Every heading and value in full, in the system's font however large: the columns are at
// least as wide as the widest of them, and the table wide enough for the three.
void FiguresTable::FitColumns() {
  int widest = 0;
  for (int c = 0; c < columnCount(); ++c)
    widest = std::max({widest, sizeHintForColumn(c), horizontalHeader()->sectionSizeHint(c)});
  horizontalHeader()->setMinimumSectionSize(widest);
  const int needed = verticalHeader()->sizeHint().width() + columnCount() * widest +
                     2 * frameWidth() + verticalScrollBar()->sizeHint().width();
  setMinimumWidth(std::max(minimumWidth(), needed));
}

QString FiguresTable::Cell(int row, int column) const {
  const QTableWidgetItem* it = item(row, column);
  return it != nullptr ? it->text() : QString();
}

}  // namespace marnelok
