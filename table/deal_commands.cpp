// SPDX-License-Identifier: GPL-3.0-or-later
// Deals by number in the window.
#include "deal_commands.h"

#include <QAction>
#include <QHelpEvent>
#include <QToolTip>
#include <QWidget>

#include "daily_date.h"
#include "deal_number.h"
#include "desktop.h"
#include "game.h"
#include "game_facts.h"

namespace marnelok {

DealCommands::DealCommands(Game& game, const GameFacts& facts, const TableGeometry& geometry,
                           Desktop& desktop, QWidget& table, QAction& replay,
                           std::function<void()> kindChanged)
    : game_(game),
      geometry_(geometry),
      desktop_(desktop),
      table_(table),
      kindChanged_(std::move(kindChanged)) {
  connect(&facts, &GameFacts::cardCurrent, &replay, [&replay](bool current) {
    if (current) replay.setEnabled(true);
  });
  table_.installEventFilter(this);
}

void DealCommands::SelectDeal() {
  // Cancel gives the initial text back: an empty answer deals nothing.
  const QString answer = desktop_
                             .AskText(&table_, tr("Select Deal"),
                                      tr("Deal number (0 to 4294967295):"), QString(), QString())
                             .trimmed();
  if (answer.isEmpty()) return;
  const auto deal = ParseDealNumber(answer.toStdString());
  if (!deal) {
    // A long answer is shortened, so that the message stays within its box; line breaks and
    // other control characters are shown as spaces.
    constexpr qsizetype kShown = 24;
    QString shown = answer;
    for (QChar& c : shown)
      if (c.category() == QChar::Other_Control || c.category() == QChar::Separator_Line ||
          c.category() == QChar::Separator_Paragraph)
        c = u' ';
    if (shown.size() > kShown) shown = shown.left(kShown - 1) + QChar(0x2026);
    desktop_.ShowMessage(
        &table_, tr("Select Deal"),
        tr("\"%1\" is not a deal number. Enter a whole number from 0 to 4294967295.").arg(shown));
    return;
  }
  Deal(*deal);
}

void DealCommands::Replay() {
  if (game_.state().dealCount > 0) Deal(game_.state().dealNumber);
}

void DealCommands::Daily() { Deal(DailyDealOn(DateOfDay(desktop_.Today())), GameKind::kRegular); }

void DealCommands::Deal(std::uint32_t deal, std::optional<GameKind> kind) {
  if (kind && *kind != game_.state().kind) {
    game_.SetKind(*kind);
    kindChanged_();
  }
  game_.NewGame(deal);
}

bool DealCommands::eventFilter(QObject* watched, QEvent* event) {
  if (watched != &table_ || event->type() != QEvent::ToolTip) return false;
  const QPoint at = static_cast<QHelpEvent*>(event)->pos();
  const Area area = DeckArea(geometry_);
  const QRect deck(area.x, area.y, area.width, area.height);
  const GameState& s = game_.state();
  if (s.dealCount > 0 && deck.contains(at)) {
    //: The deck's tooltip: the number of the deal on the table.
    QString text = tr("Deal %1").arg(s.dealNumber);
    if (const std::optional<int> par = par_ ? par_(s.dealNumber, s.kind) : std::nullopt)
      //: The deck's tooltip once the advisor has played the same deal.
      text = tr("Deal %1: the advisor scored %2").arg(s.dealNumber).arg(*par);
    QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), text, &table_, deck);
  } else
    QToolTip::hideText();
  return true;
}

}  // namespace marnelok
