// SPDX-License-Identifier: GPL-3.0-or-later
// The words of the table for assistive technology.
#include "table_words.h"

#include <array>

#include "board.h"
#include "cards.h"
#include "game_state.h"
#include "panel_texts.h"

namespace marnelok {
namespace {

// Indexed by CardRank: 1 is the ace.
constexpr std::array<const char*, 14> kRanks = {
    "",
    QT_TRANSLATE_NOOP("TableWords", "Ace"),
    QT_TRANSLATE_NOOP("TableWords", "Two"),
    QT_TRANSLATE_NOOP("TableWords", "Three"),
    QT_TRANSLATE_NOOP("TableWords", "Four"),
    QT_TRANSLATE_NOOP("TableWords", "Five"),
    QT_TRANSLATE_NOOP("TableWords", "Six"),
    QT_TRANSLATE_NOOP("TableWords", "Seven"),
    QT_TRANSLATE_NOOP("TableWords", "Eight"),
    QT_TRANSLATE_NOOP("TableWords", "Nine"),
    QT_TRANSLATE_NOOP("TableWords", "Ten"),
    QT_TRANSLATE_NOOP("TableWords", "Jack"),
    QT_TRANSLATE_NOOP("TableWords", "Queen"),
    QT_TRANSLATE_NOOP("TableWords", "King"),
};

// Indexed by CardSuit. A whole phrase per suit, so that a language may place the rank where
// its grammar wants it.
constexpr std::array<const char*, 5> kSuits = {
    "",
    QT_TRANSLATE_NOOP("TableWords", "%1 of Hearts"),
    QT_TRANSLATE_NOOP("TableWords", "%1 of Clubs"),
    QT_TRANSLATE_NOOP("TableWords", "%1 of Diamonds"),
    QT_TRANSLATE_NOOP("TableWords", "%1 of Spades"),
};

}  // namespace

QString TableWords::Card(int code) {
  if (!IsCard(code)) return tr("Empty");
  return tr(kSuits[static_cast<size_t>(CardSuit(code))])
      .arg(tr(kRanks[static_cast<size_t>(CardRank(code))]));
}

QString TableWords::CurrentCard(int code) {
  if (!IsCard(code)) return tr("Click the deck or press Enter to deal");
  return tr("Current card: %1").arg(Card(code));
}

QString TableWords::ColumnLine(int column, int handClass) {
  return tr("Column %1: %2").arg(column).arg(PanelTexts::Hand(handClass));
}

QString TableWords::RowLine(int row, int handClass) {
  return tr("Row %1: %2").arg(row).arg(PanelTexts::Hand(handClass));
}

QString TableWords::Total(int total) { return tr("Total Score: %1").arg(total); }

QString TableWords::TopFiveEntry(int rank, const QString& name, int score) {
  // One pass, so that a "%" in a typed name is never taken for a place of the pattern.
  return tr("%1. %2: %3")
      .arg(QString::number(rank), PanelTexts::TopFiveName(name, score), QString::number(score));
}

QString TableWords::Progress(bool gameActive, int dealCount, int cardsPlaced, int total) {
  if (gameActive) return tr("Cards placed: %1 of %2").arg(cardsPlaced).arg(kCardsPerGame);
  if (dealCount > 0) return tr("Game over. Total Score: %1").arg(total);
  return tr("No game dealt yet");
}

QString TableWords::ScoreBeingEntered(int score) {
  return tr("Your score of %1 enters the Top 5 list").arg(score);
}

QString TableWords::Placed(int code, int row, int column) {
  return tr("%1 to row %2, column %3.").arg(Card(code)).arg(row).arg(column);
}

QString TableWords::Next(int code) { return tr("Next: %1.").arg(Card(code)); }

QString TableWords::RowDone(int row, int handClass) {
  return tr("Row %1: %2.").arg(row).arg(PanelTexts::Hand(handClass));
}

QString TableWords::ColumnDone(int column, int handClass) {
  return tr("Column %1: %2.").arg(column).arg(PanelTexts::Hand(handClass));
}

QString TableWords::TotalNews(int total) { return tr("Total %1.").arg(total); }

QString TableWords::GameOver(int total) {
  return IsWin(total) ? tr("Game over. Total %1. WIN.").arg(total)
                      : tr("Game over. Total %1.").arg(total);
}

QString TableWords::TopFive(bool entered) {
  return entered ? tr("It enters the Top 5 list.") : tr("It does not enter the Top 5 list.");
}

QString TableWords::TakenBack(int code, int row, int column) {
  return tr("Taken back: %1 from row %2, column %3.").arg(Card(code)).arg(row).arg(column);
}

QString TableWords::DealNumber(std::uint32_t deal) { return tr("Deal %1").arg(deal); }

QString TableWords::Dealt(int code) { return tr("New game. First card: %1.").arg(Card(code)); }

QString TableWords::Position(int row, int column) {
  return tr("Row %1, column %2.").arg(row).arg(column);
}

QString TableWords::Hint(int row, int column) {
  return tr("Hint: row %1, column %2.").arg(row).arg(column);
}

QString TableWords::Status(int code, bool gameActive, int total) {
  const QString card =
      gameActive && IsCard(code) ? tr("Current card: %1.").arg(Card(code)) : CurrentCard(0) + u'.';
  return card + u' ' + TotalNews(total);
}

}  // namespace marnelok
