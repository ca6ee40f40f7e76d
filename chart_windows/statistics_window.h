// SPDX-License-Identifier: GPL-3.0-or-later
// The Statistics window: the figures of all games and of each kind, two charts, the recent
// games, and the commands Play This Deal Again, Review, Export... and Reset Statistics. It is not
// modal; it reads the history afresh whenever it is shown or becomes active.
#pragma once

#include <QWidget>

#include "chart_view.h"
#include "statistics_factory.h"

class QLabel;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;

namespace marnelok {

namespace history {
struct RecentGame;
struct StatisticsResult;
}  // namespace history
class FiguresTable;
class RecentGamesModel;

class StatisticsWindow : public QWidget {
  Q_OBJECT

 public:
  StatisticsWindow(history::GameHistory& history, Desktop& desktop, PlayDeal playDeal,
                   ReviewGame reviewGame, QWidget* owner);
  ~StatisticsWindow() override;

  // Reads the history again and shows it; the program asks for it by name once a game is kept
  // and when a game's par has been stored.
  Q_INVOKABLE void Reload();
  // Shows what a reading of the history gave back.
  void Show(const history::StatisticsResult& result);

 protected:
  bool event(QEvent* event) override;

 private:
  void PlayDealAgain();
  void ReviewSelected();
  const history::RecentGame* Selected() const;
  void Export();
  void ResetStatistics();
  void UpdateCommands();

  history::GameHistory& history_;
  Desktop& desktop_;
  PlayDeal playDeal_;
  ReviewGame reviewGame_;
  QLabel* status_;
  QLabel* ignored_;  // shown while the history holds rows that no game can make
  FiguresTable* figures_;
  QLabel* againstPar_;
  QLabel* daily_;
  ChartView* histogram_;
  ChartView* means_;
  RecentGamesModel* recent_;
  QSortFilterProxyModel* sorted_;
  QTableView* list_;
  QPushButton* playAgain_;
  QPushButton* review_;
  bool reading_ = false;  // a reading is on its way: activations ask for no other
};

}  // namespace marnelok
