// SPDX-License-Identifier: GPL-3.0-or-later
// The pieces of the accessible table below the table itself.
#include "table_accessible_parts.h"

#include <algorithm>

#include "keyboard_cursor.h"
#include "table_accessible.h"
#include "table_words.h"

namespace marnelok {
namespace {

constexpr int kGridSide = kBoardRows;  // five columns of the grid, five rows

Cell BoardCell(int row, int column) { return {column + kFirstGridColumn, row + 1}; }

QRect CellArea(const TableGeometry& g, Cell cell) {
  const Point o = CellOrigin(g, cell.column, cell.row);
  return {o.x, o.y, g.cardWidth, g.cardHeight};
}

}  // namespace

// ---- TablePart ----

TablePart::TablePart(const TableAccessible& table, QAccessibleInterface* parent,
                     QAccessible::Role role, Text name, Area area, Text description)
    : table_(table),
      parent_(parent),
      role_(role),
      name_(std::move(name)),
      area_(std::move(area)),
      description_(std::move(description)) {}

bool TablePart::isValid() const { return table_.isValid(); }

QWindow* TablePart::window() const { return table_.window(); }

QAccessibleInterface* TablePart::childAt(int x, int y) const {
  for (QAccessibleInterface* c : children_)
    if (c->rect().contains(x, y)) return c;
  return nullptr;
}

QAccessibleInterface* TablePart::child(int index) const {
  return index >= 0 && index < childCount() ? children_[static_cast<size_t>(index)] : nullptr;
}

int TablePart::indexOfChild(const QAccessibleInterface* child) const {
  const auto it = std::find(children_.begin(), children_.end(), child);
  return it == children_.end() ? -1 : static_cast<int>(it - children_.begin());
}

QString TablePart::text(QAccessible::Text t) const {
  const TableSource* source = table_.Source();
  if (source == nullptr) return {};
  if (t == QAccessible::Name && name_) return name_(*source);
  if (t == QAccessible::Description && description_) return description_(*source);
  return {};
}

QRect TablePart::rect() const {
  const TableSource* source = table_.Source();
  return source != nullptr && area_ ? table_.OnScreen(area_(*source)) : QRect();
}

QAccessible::State TablePart::state() const {
  QAccessible::State s;
  s.readOnly = true;
  return s;
}

// ---- GridCellAccessible ----

GridCellAccessible::GridCellAccessible(const TableAccessible& table, QAccessibleInterface* grid,
                                       int row, int column)
    : TablePart(
          table, grid, QAccessible::Cell,
          [row, column](const TableSource& s) {
            const Cell c = BoardCell(row, column);
            return TableWords::Card(
                s.state.board[static_cast<size_t>(c.column)][static_cast<size_t>(c.row)]);
          },
          [row, column](const TableSource& s) {
            return CellArea(s.geometry, BoardCell(row, column));
          }),
      row_(row),
      column_(column) {}

void* GridCellAccessible::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::TableCellInterface)
    return static_cast<QAccessibleTableCellInterface*>(this);
  return nullptr;
}

QAccessible::State GridCellAccessible::state() const {
  QAccessible::State s = TablePart::state();
  s.focusable = true;
  s.focused = table_.focusChild() == this;
  return s;
}

// ---- GridAccessible ----

GridAccessible::GridAccessible(const TableAccessible& table, QAccessibleInterface* parent)
    : TablePart(
          table, parent, QAccessible::Table, [](const TableSource&) { return TableWords::Grid(); },
          [](const TableSource& s) {
            return CellArea(s.geometry, BoardCell(0, 0))
                .united(CellArea(s.geometry, BoardCell(kGridSide - 1, kGridSide - 1)));
          }) {
  for (int row = 0; row < kGridSide; ++row)
    for (int column = 0; column < kGridSide; ++column) {
      cells_.push_back(new GridCellAccessible(table, this, row, column));
      AddChild(cells_.back());
    }
}

GridCellAccessible* GridAccessible::Cell(int row, int column) const {
  if (row < 0 || row >= kGridSide || column < 0 || column >= kGridSide) return nullptr;
  return cells_[static_cast<size_t>(row * kGridSide + column)];
}

void* GridAccessible::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
  return nullptr;
}

QAccessibleInterface* GridAccessible::childAt(int x, int y) const {
  const TableSource* source = table_.Source();
  if (source == nullptr) return nullptr;
  const QPoint local = table_.FromScreen(QPoint(x, y));
  const marnelok::Cell cell = CellAt(source->geometry, local.x(), local.y());
  return Cell(cell.row - 1, cell.column - kFirstGridColumn);
}

QString GridAccessible::columnDescription(int column) const {
  const TableSource* source = table_.Source();
  if (source == nullptr || column < 0 || column >= kGridSide) return {};
  return TableWords::ColumnLine(
      column + 1, source->state.lineResults[static_cast<size_t>(column + kFirstGridColumn)].column);
}

QString GridAccessible::rowDescription(int row) const {
  const TableSource* source = table_.Source();
  if (source == nullptr || row < 0 || row >= kGridSide) return {};
  return TableWords::RowLine(row + 1, source->state.lineResults[static_cast<size_t>(row + 1)].row);
}

int GridAccessible::columnCount() const { return kGridSide; }

int GridAccessible::rowCount() const { return kGridSide; }

}  // namespace marnelok
