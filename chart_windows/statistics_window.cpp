// SPDX-License-Identifier: GPL-3.0-or-later
// The Statistics window's layout and commands.
#include "statistics_window.h"

#include <QDir>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "desktop.h"
#include "figures_table.h"
#include "game_history.h"
#include "par_daily_texts.h"
#include "read_only_list.h"
#include "recent_games_model.h"
#include "statistics_charts.h"
#include "window_keys.h"

namespace marnelok {
namespace {

ChartView* NewChartView(const QString& name, QWidget* parent) {
  auto* view = new ChartView(parent);
  view->setObjectName(name);
  view->setRenderHint(QPainter::Antialiasing);
  // Room for the axes and the legend in the system's font: the size made for an 11-point
  // font, grown in step with a larger one.
  const double grow = std::max(1.0, view->fontInfo().pointSizeF() / 11.0);
  view->setMinimumSize(static_cast<int>(360 * grow), static_cast<int>(220 * grow));
  return view;
}

// A view hands its old chart back instead of deleting it.
void ReplaceChart(ChartView& view, Chart* chart) {
  Chart* old = view.chart();
  view.setChart(chart);
  delete old;
}

}  // namespace

StatisticsWindow::StatisticsWindow(history::GameHistory& history, Desktop& desktop,
                                   PlayDeal playDeal, ReviewGame reviewGame, QWidget* owner)
    : QWidget(owner, Qt::Window),
      history_(history),
      desktop_(desktop),
      playDeal_(std::move(playDeal)),
      reviewGame_(std::move(reviewGame)),
      status_(new QLabel(this)),
      ignored_(new QLabel(this)),
      figures_(new FiguresTable(this)),
      againstPar_(new QLabel(this)),
      daily_(new QLabel(this)),
      histogram_(NewChartView(QStringLiteral("histogram"), this)),
      means_(NewChartView(QStringLiteral("means"), this)),
      recent_(new RecentGamesModel(this)),
      sorted_(new QSortFilterProxyModel(this)),
      list_(new QTableView(this)),
      playAgain_(new QPushButton(tr("&Play This Deal Again"), this)),
      review_(new QPushButton(tr("Re&view"), this)) {
  setObjectName(QStringLiteral("StatisticsWindow"));
  setWindowTitle(tr("Statistics"));
  setAttribute(Qt::WA_DeleteOnClose, false);  // the owner keeps it for the next opening
  resize(1000, 720);

  status_->setObjectName(QStringLiteral("status"));
  ignored_->setObjectName(QStringLiteral("ignored"));
  ignored_->setWordWrap(true);
  ignored_->setVisible(false);
  figures_->setObjectName(QStringLiteral("figures"));
  figures_->setMinimumWidth(430);
  sorted_->setSourceModel(recent_);
  sorted_->setSortRole(RecentGamesModel::kSortRole);
  list_->setObjectName(QStringLiteral("recentGames"));
  list_->setModel(sorted_);
  list_->setSortingEnabled(true);
  list_->sortByColumn(RecentGamesModel::kDate, Qt::DescendingOrder);
  MakeReadOnlyList(*list_);
  list_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  // The longest texts keep their width; the other columns share what is left.
  list_->horizontalHeader()->setSectionResizeMode(RecentGamesModel::kDate,
                                                  QHeaderView::ResizeToContents);
  list_->horizontalHeader()->setSectionResizeMode(RecentGamesModel::kKind,
                                                  QHeaderView::ResizeToContents);
  playAgain_->setObjectName(QStringLiteral("playDealAgain"));
  review_->setObjectName(QStringLiteral("review"));
  auto* exportButton = new QPushButton(tr("&Export..."), this);
  exportButton->setObjectName(QStringLiteral("export"));
  auto* reset = new QPushButton(tr("&Reset Statistics"), this);
  reset->setObjectName(QStringLiteral("reset"));
  auto* closeButton = new QPushButton(tr("&Close"), this);

  auto* charts = new QVBoxLayout;
  charts->addWidget(histogram_);
  charts->addWidget(means_);
  // Below the figures: the games against par and the daily deal, side by side.
  auto* parts = new QHBoxLayout;
  for (const auto& [label, title, name] :
       {std::tuple{againstPar_, par_daily_texts::AgainstParTitle(), "againstPar"},
        std::tuple{daily_, par_daily_texts::DailyTitle(), "daily"}}) {
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* box = new QGroupBox(title, this);
    (new QVBoxLayout(box))->addWidget(label);
    parts->addWidget(box, 1);
  }
  auto* left = new QVBoxLayout;
  left->addWidget(figures_, 1);
  left->addLayout(parts);
  auto* top = new QHBoxLayout;
  top->addLayout(left, 1);
  top->addLayout(charts, 1);
  // Room to the right of the game commands for more commands on the selected game.
  auto* commands = new QHBoxLayout;
  commands->addWidget(playAgain_);
  commands->addWidget(review_);
  commands->addStretch(1);
  commands->addWidget(exportButton);
  commands->addWidget(reset);
  commands->addWidget(closeButton);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top, 3);
  auto* recentLabel =
      new QLabel(tr("Recent games (the %1 newest):").arg(history::kRecentGames), this);
  recentLabel->setBuddy(list_);
  list_->setAccessibleName(recentLabel->text());
  figures_->setAccessibleName(tr("Figures"));
  figures_->setTabKeyNavigation(false);
  layout->addWidget(recentLabel);
  layout->addWidget(list_, 2);
  layout->addWidget(status_);
  layout->addWidget(ignored_);
  layout->addLayout(commands);

  connect(playAgain_, &QPushButton::clicked, this, &StatisticsWindow::PlayDealAgain);
  connect(review_, &QPushButton::clicked, this, &StatisticsWindow::ReviewSelected);
  connect(exportButton, &QPushButton::clicked, this, &StatisticsWindow::Export);
  connect(reset, &QPushButton::clicked, this, &StatisticsWindow::ResetStatistics);
  connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
  connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &StatisticsWindow::UpdateCommands);
  connect(list_, &QTableView::doubleClicked, this, &StatisticsWindow::PlayDealAgain);
  ReplaceChart(*histogram_, MakeHistogramChart({}));
  ReplaceChart(*means_, MakeMeansChart({}));
  NameChart(*histogram_, HistogramName(), HistogramSummary({}));
  NameChart(*means_, MeansName(), MeansSummary({}));
  UseKeyboard(*this, *list_);
  UpdateCommands();
}

StatisticsWindow::~StatisticsWindow() = default;

bool StatisticsWindow::event(QEvent* event) {
  if (event->type() == QEvent::Show || event->type() == QEvent::WindowActivate) Reload();
  return QWidget::event(event);
}

void StatisticsWindow::Reload() {
  if (reading_) return;
  reading_ = true;
  if (recent_->rowCount() == 0) status_->setText(tr("Reading the history..."));
  history_.ReadStatistics(this, [this](const history::StatisticsResult& result) {
    reading_ = false;
    Show(result);
  });
}

void StatisticsWindow::Show(const history::StatisticsResult& result) {
  const history::Statistics& s = result.statistics;
  status_->setText(result.error);
  status_->setVisible(!result.error.isEmpty());
  ignored_->setText(tr("Ignored rows: %1. The history holds rows with values that no game can "
                       "make; they count in no figure, chart or list.")
                        .arg(QLocale().toString(s.ignoredRows)));
  ignored_->setVisible(s.ignoredRows > 0);
  figures_->Show(s);
  againstPar_->setText(par_daily_texts::AgainstPar(s.par));
  daily_->setText(par_daily_texts::Daily(s.daily));
  // Larger figures (a large system font) widen the window rather than hide behind a scroll bar.
  layout()->invalidate();
  layout()->activate();
  resize(size().expandedTo(minimumSizeHint()));
  ReplaceChart(*histogram_, MakeHistogramChart(s.histogram));
  ReplaceChart(*means_, MakeMeansChart(s.means));
  histogram_->setAccessibleDescription(HistogramSummary(s.histogram));
  means_->setAccessibleDescription(MeansSummary(s.means));
  // The game chosen stays chosen when the history is read again (after a review, say).
  const history::RecentGame* chosen = Selected();
  const std::int64_t id = chosen != nullptr ? chosen->id : 0;
  recent_->SetGames(s.recent);
  for (int row = 0; id != 0 && row < recent_->rowCount(); ++row)
    if (recent_->Game(row).id == id) {
      const QModelIndex index = sorted_->mapFromSource(recent_->index(row, 0));
      list_->selectionModel()->setCurrentIndex(
          index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
  UpdateCommands();
}

const history::RecentGame* StatisticsWindow::Selected() const {
  const QModelIndexList rows = list_->selectionModel()->selectedRows();
  if (rows.isEmpty()) return nullptr;
  return &recent_->Game(sorted_->mapToSource(rows.front()).row());
}

// Only a finished game can be reviewed: a game left early has no end to judge it by.
void StatisticsWindow::UpdateCommands() {
  const history::RecentGame* game = Selected();
  playAgain_->setEnabled(game != nullptr);
  review_->setEnabled(game != nullptr && game->finished && reviewGame_);
}

void StatisticsWindow::PlayDealAgain() {
  if (const history::RecentGame* game = Selected()) playDeal_(game->deal, game->kind);
}

void StatisticsWindow::ReviewSelected() {
  const history::RecentGame* game = Selected();
  if (game != nullptr && game->finished && reviewGame_) reviewGame_(game->id);
}

void StatisticsWindow::Export() {
  const QString path = desktop_.AskSaveFileName(
      this, tr("Export Statistics"), QDir::home().filePath(QStringLiteral("marnelok-games.csv")),
      tr("CSV files (*.csv);;All files (*)"));
  if (path.isEmpty()) return;
  history_.Export(path, this, [this](const QString& error) {
    if (!error.isEmpty())
      desktop_.ShowMessage(this, QStringLiteral("Marnelok"),
                           tr("The history could not be exported: %1").arg(error));
  });
}

void StatisticsWindow::ResetStatistics() {
  if (!desktop_.Confirm(this, tr("Confirm"),
                        tr("Do you really want to reset the statistics? Every game kept in the "
                           "history is deleted. The High Scores are kept.")))
    return;
  history_.Erase(this, [this](const QString& error) {
    if (!error.isEmpty())
      desktop_.ShowMessage(this, QStringLiteral("Marnelok"),
                           tr("The history could not be reset: %1").arg(error));
    Reload();
  });
}

}  // namespace marnelok
