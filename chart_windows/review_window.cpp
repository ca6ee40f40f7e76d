// SPDX-License-Identifier: GPL-3.0-or-later
// The review window's layout, and what it shows as the review goes.
#include "review_window.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

#include "placements_model.h"
#include "read_only_list.h"
#include "review_chart.h"
#include "review_summary.h"
#include "review_texts.h"
#include "window_keys.h"

namespace marnelok {
namespace texts = review_texts;

ReviewWindow::ReviewWindow(ReviewSource& source, QWidget* owner)
    : QWidget(owner, Qt::Window),
      source_(source),
      summary_(new QLabel(this)),
      model_(new PlacementsModel(this)),
      list_(new QTableView(this)),
      chart_(new ChartView(this)),
      picture_(new QLabel(this)),
      caption_(new QLabel(this)),
      progress_(new QProgressBar(this)),
      cancel_(new QPushButton(texts::Cancel(), this)) {
  setObjectName(QStringLiteral("ReviewWindow"));
  setWindowTitle(texts::WindowTitle());
  setAttribute(Qt::WA_DeleteOnClose, false);  // the program keeps it for the next review
  resize(1080, 720);

  summary_->setObjectName(QStringLiteral("summary"));
  summary_->setTextFormat(Qt::PlainText);
  summary_->setWordWrap(true);
  list_->setObjectName(QStringLiteral("placements"));
  list_->setModel(model_);
  MakeReadOnlyList(*list_);
  list_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  // The stretched last column may narrow to its heading, not only to the default 100 pixels
  // that it holds when it is made to stretch.
  list_->horizontalHeader()->setDefaultSectionSize(list_->horizontalHeader()->minimumSectionSize());
  list_->horizontalHeader()->setStretchLastSection(true);
  chart_->setObjectName(QStringLiteral("chart"));
  chart_->setRenderHint(QPainter::Antialiasing);
  chart_->setMinimumHeight(230);
  picture_->setObjectName(QStringLiteral("table"));
  picture_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  caption_->setObjectName(QStringLiteral("caption"));
  caption_->setTextFormat(Qt::PlainText);
  caption_->setWordWrap(true);
  legend_ = new QLabel(texts::Legend(), this);
  legend_->setWordWrap(true);
  progress_->setObjectName(QStringLiteral("progress"));
  progress_->setFormat(texts::Judging());
  cancel_->setObjectName(QStringLiteral("cancel"));
  auto* closeButton = new QPushButton(texts::Close(), this);

  auto* left = new QVBoxLayout;
  left->addWidget(summary_);
  left->addWidget(list_, 3);
  left->addWidget(chart_, 2);
  auto* right = new QVBoxLayout;
  right->addWidget(picture_);
  right->addWidget(caption_);
  right->addWidget(legend_);
  right->addStretch(1);
  auto* top = new QHBoxLayout;
  top->addLayout(left, 1);
  top->addLayout(right);
  auto* commands = new QHBoxLayout;
  commands->addWidget(progress_, 1);
  commands->addWidget(cancel_);
  commands->addWidget(closeButton);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top, 1);
  layout->addLayout(commands);

  connect(cancel_, &QPushButton::clicked, this, &ReviewWindow::CancelOrResume);
  connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
  connect(list_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          &ReviewWindow::ShowPlacement);
  // The columns fit their contents once the list lays them out: the picture makes room then.
  connect(list_->horizontalHeader(), &QHeaderView::sectionResized, this, &ReviewWindow::FitPicture,
          Qt::QueuedConnection);
  // The view's own first chart is handed back, not deleted, when the review's takes its place.
  Chart* first = chart_->chart();
  chart_->setChart(MakeReviewChart({}, {}));
  delete first;
  list_->setAccessibleName(texts::WindowTitle());
  progress_->setAccessibleName(texts::JudgingName());
  NameChart(*chart_, texts::ChartTitle(), {});
  UseKeyboard(*this, *list_);
}

// A review under way stops; its outcome is not shown any more.
ReviewWindow::~ReviewWindow() { Stop(); }

void ReviewWindow::Stop() {
  if (!running_) return;
  running_ = false;
  source_.Cancel();
}

void ReviewWindow::Review(std::int64_t id) {
  id_ = id;
  Show({});
  summary_->setText(texts::Reading());
  running_ = true;
  progress_->setRange(0, 0);  // busy until the number of placements to judge is known
  progress_->show();
  cancel_->setText(texts::Cancel());
  cancel_->show();
  show();
  raise();
  activateWindow();
  // A review under way in the source is replaced by this one.
  source_.Review(
      id, this, [this](int judged, int total) { Progress(judged, total); },
      [this](const ReviewOutcome& outcome) { Done(outcome); });
}

void ReviewWindow::Progress(int judged, int total) {
  if (!running_) return;
  progress_->setRange(0, total);
  progress_->setValue(judged);
}

void ReviewWindow::Done(const ReviewOutcome& outcome) {
  if (!running_) return;
  running_ = false;
  Show(outcome);
}

void ReviewWindow::Show(const ReviewOutcome& outcome) {
  if (outcome.game.id != 0) id_ = outcome.game.id;
  progress_->hide();
  // Resume is offered only where a review stopped short of its end.
  cancel_->setText(texts::Resume());
  cancel_->setVisible(outcome.stopped);
  model_->SetGame(outcome.game);
  ShowSummary(outcome);
  const ReviewSummary summary = Summarise(outcome.game);
  Chart* old = chart_->chart();
  chart_->setChart(MakeReviewChart(outcome.game, summary.costliest));
  delete old;
  chart_->setAccessibleDescription(
      outcome.game.id == 0 ? QString() : texts::PointsLostLine(summary.pointsLost));
  // The costliest placement first, where the game slipped most; else the first one.
  const int row = summary.costliest.empty() ? 0 : static_cast<int>(summary.costliest.front());
  if (model_->rowCount() > 0)
    list_->setCurrentIndex(model_->index(row, 0));
  else
    ShowPlacement();
}

void ReviewWindow::ShowSummary(const ReviewOutcome& outcome) {
  const history::GameRecord& game = outcome.game;
  if (!outcome.error.isEmpty()) {
    summary_->setText(texts::CannotRead(outcome.error));
    return;
  }
  if (game.id == 0) {
    summary_->setText(outcome.stopped                   ? texts::StoppedBeforeReading()
                      : id_ == history::kNewestFinished ? texts::NoFinishedGame()
                                                        : QString());
    return;
  }
  const ReviewSummary s = Summarise(game);
  QStringList lines{texts::DealLine(game.deal, game.kind)};
  if (game.demo) lines << texts::PlayedByTheDemo();
  lines << texts::TotalLine(game.total);
  if (game.par) lines << texts::ParLine(*game.par, game.total);
  if (outcome.stopped) {
    int total = 0;
    for (const history::PlacementRecord& p : game.placements) total += p.thrown ? 0 : 1;
    lines << texts::PartialLine(s.judged, total);
  } else {
    lines << texts::PointsLostLine(s.pointsLost)
          << texts::CloseToBestLine(s.closeToBest, s.judged, s.ShareCloseToBest());
    QStringList turns;
    for (std::size_t k : s.costliest) turns << QString::number(game.placements[k].turn);
    lines << (turns.isEmpty() ? texts::NoneCostly()
                              : texts::CostliestLine(static_cast<int>(turns.size()),
                                                     QLocale().createSeparatedList(turns)));
  }
  summary_->setText(lines.join(u'\n'));
}

void ReviewWindow::ShowPlacement() {
  const QModelIndex current = list_->currentIndex();
  const history::GameRecord& game = model_->Game();
  if (!current.isValid() || current.row() >= static_cast<int>(game.placements.size())) {
    picture_->clear();
    table_ = {};
    picture_->setAccessibleName({});
    caption_->clear();
    return;
  }
  const auto index = static_cast<std::size_t>(current.row());
  const history::PlacementRecord& p = game.placements[index];
  const qreal ratio = devicePixelRatioF();
  table_ = source_.Picture(game, index, ratio);
  table_.setDevicePixelRatio(ratio);
  picture_->clear();
  FitPicture();
  picture_->setAccessibleName(texts::PictureName(p.turn));
  if (p.thrown)
    caption_->setText(texts::ThrownCaption(p.turn, p.card));
  else if (!p.review)
    caption_->setText(texts::UnjudgedCaption(p.turn, p.card, p.cell));
  else
    caption_->setText(texts::JudgedCaption(p.turn, p.card, p.cell, p.review->expectedChosen,
                                           p.review->bestCell, p.review->expectedBest,
                                           PointsLost(*p.review)));
}

int ReviewWindow::ListNeeds() const {
  const QHeaderView& header = *list_->horizontalHeader();
  int width = 2 * list_->frameWidth() + list_->verticalScrollBar()->sizeHint().width();
  for (int c = 0; c < model_->columnCount(); ++c) {
    int column = header.sectionSizeHint(c);
    // Every row, not only those in sight.
    for (int r = 0; r < model_->rowCount(); ++r)
      column = std::max(column, list_->sizeHintForIndex(model_->index(r, c)).width() + 1);
    width += column;
  }
  return width;
}

void ReviewWindow::FitPicture() {
  if (table_.isNull()) return;
  const qreal ratio = table_.devicePixelRatio();
  const int full = qRound(table_.width() / ratio);
  const QMargins margins = layout()->contentsMargins();
  const int room =
      width() - margins.left() - margins.right() - 2 * layout()->spacing() - ListNeeds();
  const int shown = std::clamp(room, full * 3 / 5, full);
  if (shown == pictureWidth_ && !picture_->pixmap().isNull()) return;
  pictureWidth_ = shown;
  // The words under the picture wrap at its width, so that the side takes no more room.
  caption_->setMaximumWidth(shown);
  legend_->setMaximumWidth(shown);
  QImage image = shown == full
                     ? table_
                     : table_.scaledToWidth(qRound(shown * ratio), Qt::SmoothTransformation);
  image.setDevicePixelRatio(ratio);
  picture_->setPixmap(QPixmap::fromImage(image));
}

void ReviewWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  FitPicture();
}

void ReviewWindow::CancelOrResume() {
  if (running_)
    source_.Cancel();  // `done` follows at once with the verdicts so far
  else
    Review(id_);
}

void ReviewWindow::closeEvent(QCloseEvent* event) {
  Stop();
  event->accept();
}

}  // namespace marnelok
