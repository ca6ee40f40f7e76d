// SPDX-License-Identifier: GPL-3.0-or-later
// The table as a screen reader reads it, through Qt's accessibility interfaces: the grid of
// 25 cells named by their cards, the current card, the score panel, the Top 5 list while it is
// shown and the WIN banner while it shows, and the events that tell each change.
#pragma once

#include <QAccessibleWidget>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <array>
#include <vector>

#include "game_state.h"
#include "geometry.h"
#include "table_look.h"
#include "table_news.h"

namespace marnelok {

class GridAccessible;
class KeyboardCursor;
class PaintBox;
class TablePart;

// What the table shows, as the accessible table reads it. Everything outlives the reading.
struct TableSource {
  const GameState& state;
  const TableGeometry& geometry;
  const TopFiveList& topFive;  // the stored list
  const KeyboardCursor& cursor;
  const int& rowPitch;       // the painter's, which places the WIN banner
  const bool& topFiveShown;  // the painter's: the Top 5 panel covers the board
};

// Lends the table's source to its accessible interface and tells assistive technology of the
// changes. While none listens, nothing is built and each call returns at once.
class TableAccessibility : public QObject {
  Q_OBJECT

 public:
  // Lives as a child of the table, where the interface finds it; its owner deletes it first
  // when the source goes before the table does.
  TableAccessibility(PaintBox& box, TableSource source);

  const TableSource& source() const { return source_; }
  // The table may have changed: once the event in hand is done, assistive technology is told
  // what did (names of cells, lines, the current card and the Top 5 entries, the table's
  // description, parts that came or went). Calls in between are folded into one.
  void Changed();
  // Tells it now.
  void Refresh();
  // Says `words` once the event in hand is done and the table has the keyboard. Words said in
  // between are joined; `instead` drops what waits.
  void Say(const QString& words, bool instead = false);
  void SayHint(Cell cell);
  void SayTopFive(bool entered);
  void SayStatus();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FocusCursorCell();
  void CursorMoved(Cell cell);
  void Speak();

  PaintBox& box_;
  TableSource source_;
  bool refreshDue_ = false;
  TableNews news_;
  QStringList words_;  // waiting to be said
  QString topFive_;    // said after the news of the game's end
  bool speakDue_ = false;
};

// The interface of the table widget, made by the factory that TableAccessibility installs.
class TableAccessible : public QAccessibleWidget {
 public:
  explicit TableAccessible(PaintBox* box);
  ~TableAccessible() override;

  // Null when the table has no source (any more).
  const TableSource* Source() const;
  // Between the table's pixels and the screen's.
  QRect OnScreen(QRect area) const;
  QPoint FromScreen(QPoint point) const;

  bool isValid() const override;
  QAccessible::Role role() const override { return QAccessible::Pane; }
  QString text(QAccessible::Text t) const override;
  QAccessible::State state() const override;
  int childCount() const override;
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* child) const override;
  QAccessibleInterface* childAt(int x, int y) const override;
  QAccessibleInterface* focusChild() const override;

  void Refresh();
  QAccessibleInterface* CursorCell() const;
  // Shows `words` as a notification, which a screen reader speaks.
  void Say(const QString& words);
  const QAccessibleInterface* News() const;  // the one shown last

 private:
  std::vector<QAccessibleInterface*> Shown() const;  // the children, in order
  QAccessibleInterface* Register(QAccessibleInterface* part);
  // The top-level part that holds `part`, or null for one outside the table.
  const QAccessibleInterface* TopPart(const QAccessibleInterface* part) const;

  mutable QPointer<TableAccessibility> owner_;
  GridAccessible* grid_ = nullptr;
  TablePart* current_ = nullptr;
  TablePart* score_ = nullptr;
  TablePart* topFive_ = nullptr;
  TablePart* banner_ = nullptr;
  std::vector<QAccessibleInterface*> parts_;  // every part below the table, registered
  // What assistive technology was last told.
  std::vector<QAccessibleInterface*> told_;
  QHash<const QAccessibleInterface*, QString> names_;
  QString description_;
  std::array<TablePart*, 2> news_{};
  std::array<QString, 2> saying_;
  size_t said_ = 0;  // the one shown last
};

}  // namespace marnelok
