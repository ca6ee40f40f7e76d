// SPDX-License-Identifier: GPL-3.0-or-later
// The accessible table, and the owner that lends it the game and tells its changes.
#include "table_accessible.h"

#include <QEvent>
#include <algorithm>

#include "board.h"
#include "keyboard_cursor.h"
#include "paint_box.h"
#include "table_accessible_parts.h"
#include "table_words.h"

namespace marnelok {
namespace {

constexpr int kTopFiveEntries = 5;

QAccessibleInterface* TableFactory(const QString& key, QObject* object) {
  if (key == QLatin1String(PaintBox::staticMetaObject.className()))
    return new TableAccessible(static_cast<PaintBox*>(object));
  return nullptr;
}

void Send(QAccessibleInterface* part, QAccessible::Event type) {
  QAccessibleEvent event(part, type);
  QAccessible::updateAccessibility(&event);
}

template <typename T>
bool Holds(const std::vector<T*>& parts, const T* part) {
  return std::find(parts.begin(), parts.end(), part) != parts.end();
}

// The banner is drawn after a winning game, and over the Top 5 panel for a winning total.
bool WinShown(const GameState& s, bool topFiveShown) {
  return IsWin(s.totalScore) && (!s.gameActive || topFiveShown);
}

QRect ToRect(Area a) { return {a.x, a.y, a.width, a.height}; }

QRect CellArea(const TableGeometry& g, int column, int row) {
  const Point o = CellOrigin(g, column, row);
  return {o.x, o.y, g.cardWidth, g.cardHeight};
}

// A line of the score panel, where its text is drawn, a little inside the panel's border.
QRect PanelLine(const TableGeometry& g, int line) {
  const Area panel = ScorePanelArea(g);
  return {panel.x + 3, PanelLineTop(line), panel.width - 6, kPanelLinePitch};
}

}  // namespace

// ---- TableAccessibility ----

TableAccessibility::TableAccessibility(PaintBox& box, TableSource source)
    : QObject(&box), box_(box), source_(std::move(source)) {
  static const bool installed = [] {
    QAccessible::installFactory(TableFactory);
    return true;
  }();
  Q_UNUSED(installed);
  box_.installEventFilter(this);
  connect(&source_.cursor, &KeyboardCursor::moved, this, &TableAccessibility::CursorMoved);
  connect(&source_.cursor, &KeyboardCursor::statusAsked, this, &TableAccessibility::SayStatus);
}

void TableAccessibility::Changed() {
  if (!QAccessible::isActive() || refreshDue_) return;
  refreshDue_ = true;
  QMetaObject::invokeMethod(this, &TableAccessibility::Refresh, Qt::QueuedConnection);
}

void TableAccessibility::Refresh() {
  refreshDue_ = false;
  if (!QAccessible::isActive()) return;
  if (auto* table = dynamic_cast<TableAccessible*>(QAccessible::queryAccessibleInterface(&box_)))
    table->Refresh();
  // Already after the event: said now.
  const QString news = news_.Since(source_.state);
  if (!news.isEmpty()) {
    words_ << news;
    Speak();
  }
}

void TableAccessibility::FocusCursorCell() {
  if (!QAccessible::isActive() || !box_.hasFocus() || !source_.cursor.Shown()) return;
  if (auto* table = dynamic_cast<TableAccessible*>(QAccessible::queryAccessibleInterface(&box_)))
    if (QAccessibleInterface* cell = table->CursorCell()) Send(cell, QAccessible::Focus);
}

void TableAccessibility::CursorMoved(Cell cell) {
  FocusCursorCell();
  Say(TableWords::Position(cell.row, cell.column - kFirstGridColumn + 1), true);
}

void TableAccessibility::SayHint(Cell cell) {
  Say(TableWords::Hint(cell.row, cell.column - kFirstGridColumn + 1), true);
}

void TableAccessibility::SayTopFive(bool entered) {
  if (!QAccessible::isActive()) return;
  topFive_ = TableWords::TopFive(entered);
  Say({});
}

void TableAccessibility::SayStatus() {
  const GameState& s = source_.state;
  Say(TableWords::Status(s.currentCard(), s.gameActive, s.totalScore), true);
}

void TableAccessibility::Say(const QString& words, bool instead) {
  if (!QAccessible::isActive()) return;
  if (instead) words_.clear();
  if (!words.isEmpty()) words_ << words;
  if (speakDue_) return;
  speakDue_ = true;
  QMetaObject::invokeMethod(this, &TableAccessibility::Speak, Qt::QueuedConnection);
}

// Said only while the table has the keyboard, after the screen reader has heard of its focus:
// what happens behind a dialog waits for the table to come back.
void TableAccessibility::Speak() {
  speakDue_ = false;
  if (!QAccessible::isActive() || !box_.hasFocus() || (words_.isEmpty() && topFive_.isEmpty()))
    return;
  if (!topFive_.isEmpty()) words_ << topFive_;
  const QString words = words_.join(u' ');
  words_.clear();
  topFive_.clear();
  auto* table = dynamic_cast<TableAccessible*>(QAccessible::queryAccessibleInterface(&box_));
  if (table == nullptr) return;
  table->Say(words);
}

// Qt tells of the table's own focus after this filter; the cell under the cursor follows it,
// as a view's current item does, and then anything that waits to be said.
bool TableAccessibility::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &box_ && event->type() == QEvent::FocusIn && QAccessible::isActive()) {
    QMetaObject::invokeMethod(this, &TableAccessibility::FocusCursorCell, Qt::QueuedConnection);
    Say({});
  }
  return false;
}

// ---- TableAccessible ----

TableAccessible::TableAccessible(PaintBox* box) : QAccessibleWidget(box, QAccessible::Pane) {
  using S = const TableSource&;
  grid_ = new GridAccessible(*this, this);
  current_ = new TablePart(
      *this, this, QAccessible::StaticText,
      [](S s) { return TableWords::CurrentCard(s.state.currentCard()); },
      [](S s) { return CellArea(s.geometry, 1, 4); },
      [](S s) {
        return s.state.dealCount > 0 ? TableWords::DealNumber(s.state.dealNumber) : QString();
      });

  score_ = new TablePart(
      *this, this, QAccessible::Grouping, [](S) { return TableWords::ScorePanel(); },
      [](S s) { return ToRect(ScorePanelArea(s.geometry)); });
  for (int n = 1; n <= kBoardRows; ++n)
    score_->AddChild(new TablePart(
        *this, score_, QAccessible::StaticText,
        [n](S s) {
          return TableWords::ColumnLine(
              n, s.state.lineResults[static_cast<size_t>(n + kFirstGridColumn - 1)].column);
        },
        [n](S s) { return PanelLine(s.geometry, 2 + n); }));
  for (int n = 1; n <= kBoardRows; ++n)
    score_->AddChild(new TablePart(
        *this, score_, QAccessible::StaticText,
        [n](S s) {
          return TableWords::RowLine(n, s.state.lineResults[static_cast<size_t>(n)].row);
        },
        [n](S s) { return PanelLine(s.geometry, 9 + n); }));
  score_->AddChild(new TablePart(
      *this, score_, QAccessible::StaticText,
      [](S s) { return TableWords::Total(s.state.totalScore); },
      [](S s) { return PanelLine(s.geometry, 16).adjusted(0, 0, 0, kPanelLinePitch); }));

  topFive_ = new TablePart(
      *this, this, QAccessible::List, [](S) { return TableWords::TopFiveTitle(); },
      [](S) { return ToRect(kTopFivePanelArea); }, [](S) { return TableWords::TopFiveResume(); });
  for (int k = 1; k <= kTopFiveEntries; ++k)
    topFive_->AddChild(new TablePart(
        *this, topFive_, QAccessible::ListItem,
        [k](S s) {
          const TopFiveEntry& entry = s.topFive[static_cast<size_t>(k - 1)];
          return TableWords::TopFiveEntry(k, entry.name, entry.score);
        },
        [k](S) { return ToRect(TopFiveEntryArea(k)); }));

  banner_ = new TablePart(
      *this, this, QAccessible::StaticText, [](S) { return TableWords::Win(); },
      [box](S s) { return QRect(0, BannerTop(s.rowPitch), box->width(), kBannerHeight); },
      [](S) { return TableWords::WinDescription(); });

  // Not among the children: they are found through the events that show them. Two in turn,
  // so that news that follows before a busy screen reader spoke the last does not replace it.
  for (size_t i = 0; i < news_.size(); ++i)
    news_[i] = new TablePart(
        *this, this, QAccessible::Notification, [this, i](S) { return saying_[i]; },
        [](S s) { return CellArea(s.geometry, 1, 4); });
  for (QAccessibleInterface* part :
       {static_cast<QAccessibleInterface*>(news_[0]), static_cast<QAccessibleInterface*>(news_[1]),
        static_cast<QAccessibleInterface*>(grid_), static_cast<QAccessibleInterface*>(current_),
        static_cast<QAccessibleInterface*>(score_), static_cast<QAccessibleInterface*>(topFive_),
        static_cast<QAccessibleInterface*>(banner_)})
    Register(part);
  // What a newly listening screen reader finds is its starting point, not a change.
  told_ = Shown();
  for (QAccessibleInterface* part : parts_) names_[part] = part->text(QAccessible::Name);
  description_ = text(QAccessible::Description);
}

// The registry owns the parts once they are registered; they go with the table.
TableAccessible::~TableAccessible() {
  for (QAccessibleInterface* part : parts_)
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(part));
}

QAccessibleInterface* TableAccessible::Register(QAccessibleInterface* part) {
  QAccessible::registerAccessibleInterface(part);
  parts_.push_back(part);
  for (int i = 0; i < part->childCount(); ++i) Register(part->child(i));
  return part;
}

const TableSource* TableAccessible::Source() const {
  if (!owner_ && object() != nullptr)
    owner_ = object()->findChild<TableAccessibility*>(QString(), Qt::FindDirectChildrenOnly);
  return owner_ ? &owner_->source() : nullptr;
}

QRect TableAccessible::OnScreen(QRect area) const {
  return {widget()->mapToGlobal(area.topLeft()), area.size()};
}

QPoint TableAccessible::FromScreen(QPoint point) const { return widget()->mapFromGlobal(point); }

bool TableAccessible::isValid() const {
  return QAccessibleWidget::isValid() && Source() != nullptr;
}

QString TableAccessible::text(QAccessible::Text t) const {
  const TableSource* source = Source();
  if (source == nullptr) return QAccessibleWidget::text(t);
  if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) return TableWords::Table();
  if (t == QAccessible::Description) {
    const GameState& s = source->state;
    return TableWords::Progress(s.gameActive, s.dealCount, s.cardsPlaced, s.totalScore);
  }
  return QAccessibleWidget::text(t);
}

QAccessible::State TableAccessible::state() const {
  QAccessible::State s = QAccessibleWidget::state();
  s.focusable = true;
  return s;
}

std::vector<QAccessibleInterface*> TableAccessible::Shown() const {
  const TableSource* source = Source();
  if (source == nullptr) return {};
  const GameState& s = source->state;
  std::vector<QAccessibleInterface*> shown{grid_, current_};
  if (s.dealCount > 0) shown.push_back(score_);
  if (source->topFiveShown) shown.push_back(topFive_);
  if (WinShown(s, source->topFiveShown)) shown.push_back(banner_);
  return shown;
}

int TableAccessible::childCount() const { return static_cast<int>(Shown().size()); }

QAccessibleInterface* TableAccessible::child(int index) const {
  const auto shown = Shown();
  return index >= 0 && index < static_cast<int>(shown.size()) ? shown[static_cast<size_t>(index)]
                                                              : nullptr;
}

int TableAccessible::indexOfChild(const QAccessibleInterface* child) const {
  const auto shown = Shown();
  const auto it = std::find(shown.begin(), shown.end(), child);
  return it == shown.end() ? -1 : static_cast<int>(it - shown.begin());
}

// The topmost part under the point: the banner over the Top 5 panel over the grid.
QAccessibleInterface* TableAccessible::childAt(int x, int y) const {
  const auto shown = Shown();
  for (auto it = shown.rbegin(); it != shown.rend(); ++it)
    if ((*it)->rect().contains(x, y)) return *it;
  return nullptr;
}

QAccessibleInterface* TableAccessible::focusChild() const {
  return widget()->hasFocus() ? CursorCell() : nullptr;
}

QAccessibleInterface* TableAccessible::CursorCell() const {
  const TableSource* source = Source();
  if (source == nullptr) return nullptr;
  const Cell cell = source->cursor.cell();
  return grid_->Cell(cell.row - 1, cell.column - kFirstGridColumn);
}

const QAccessibleInterface* TableAccessible::TopPart(const QAccessibleInterface* part) const {
  while (part != nullptr && part->parent() != this) part = part->parent();
  return part;
}

const QAccessibleInterface* TableAccessible::News() const { return news_[said_]; }

// A screen reader speaks a notification as it shows; it keeps its words until it shows again.
void TableAccessible::Say(const QString& words) {
  said_ = 1 - said_;
  saying_[said_] = words;
  Send(news_[said_], QAccessible::ObjectShow);
}

void TableAccessible::Refresh() {
  if (!isValid()) return;
  const auto shown = Shown();
  for (QAccessibleInterface* part : told_)
    if (!Holds(shown, part)) Send(part, QAccessible::ObjectDestroyed);
  for (QAccessibleInterface* part : parts_) {
    const QString name = part->text(QAccessible::Name);
    QString& told = names_[part];
    if (name == told) continue;
    told = name;
    // A part that comes into view is told as a whole, below.
    const QAccessibleInterface* top = TopPart(part);
    if (Holds(told_, top) && Holds(shown, top)) Send(part, QAccessible::NameChanged);
  }
  for (QAccessibleInterface* part : shown)
    if (!Holds(told_, part)) Send(part, QAccessible::ObjectCreated);
  const QString description = text(QAccessible::Description);
  if (description != description_) {
    description_ = description;
    QAccessibleEvent event(object(), QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
  }
  told_ = shown;
}

}  // namespace marnelok
