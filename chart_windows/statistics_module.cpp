// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics module's entry: the plugin object that makes Statistics and review windows.
#include <QObject>

#include "review_window.h"
#include "statistics_factory.h"
#include "statistics_window.h"

namespace marnelok {

class StatisticsModule : public QObject, public StatisticsWindowFactory {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID MARNELOK_STATISTICS_FACTORY_IID)
  Q_INTERFACES(marnelok::StatisticsWindowFactory)

 public:
  QWidget* CreateStatisticsWindow(history::GameHistory& history, Desktop& desktop,
                                  PlayDeal playDeal, ReviewGame reviewGame,
                                  QWidget* owner) override {
    return new StatisticsWindow(history, desktop, std::move(playDeal), std::move(reviewGame),
                                owner);
  }
  ReviewView* CreateReviewWindow(ReviewSource& source, QWidget* owner) override {
    return new ReviewWindow(source, owner);
  }
};

}  // namespace marnelok

#include "statistics_module.moc"
