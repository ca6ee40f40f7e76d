// SPDX-License-Identifier: GPL-3.0-or-later
// The pieces of the table that assistive technology reads below the table itself: a line of
// text or a group of them, the grid as a table, and its cells.
#pragma once

#include <QAccessible>
#include <QRect>
#include <QString>
#include <functional>
#include <vector>

namespace marnelok {

class TableAccessible;
struct TableSource;

// A piece without a widget of its own. Its text and place are read from the table's source
// each time they are asked for, so that it never holds a stale copy of the game.
class TablePart : public QAccessibleInterface {
 public:
  using Text = std::function<QString(const TableSource&)>;
  using Area = std::function<QRect(const TableSource&)>;  // in the table's own pixels

  TablePart(const TableAccessible& table, QAccessibleInterface* parent, QAccessible::Role role,
            Text name, Area area, Text description = {});

  void AddChild(QAccessibleInterface* child) { children_.push_back(child); }

  bool isValid() const override;
  QObject* object() const override { return nullptr; }
  QWindow* window() const override;
  QAccessibleInterface* childAt(int x, int y) const override;
  QAccessibleInterface* parent() const override { return parent_; }
  QAccessibleInterface* child(int index) const override;
  int childCount() const override { return static_cast<int>(children_.size()); }
  int indexOfChild(const QAccessibleInterface* child) const override;
  QString text(QAccessible::Text t) const override;
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override;
  QAccessible::Role role() const override { return role_; }
  QAccessible::State state() const override;

 protected:
  const TableAccessible& table_;

 private:
  QAccessibleInterface* parent_;
  QAccessible::Role role_;
  Text name_;
  Area area_;
  Text description_;
  std::vector<QAccessibleInterface*> children_;
};

// One cell of the grid, named by its card. It holds the focus where the keyboard's cursor is,
// while the table has the keyboard.
class GridCellAccessible : public TablePart, public QAccessibleTableCellInterface {
 public:
  GridCellAccessible(const TableAccessible& table, QAccessibleInterface* grid, int row, int column);

  void* interface_cast(QAccessible::InterfaceType type) override;
  QAccessible::State state() const override;

  bool isSelected() const override { return false; }
  QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
  QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
  int columnIndex() const override { return column_; }
  int rowIndex() const override { return row_; }
  int columnExtent() const override { return 1; }
  int rowExtent() const override { return 1; }
  QAccessibleInterface* table() const override { return parent(); }

 private:
  int row_;     // 0 to 4, top first
  int column_;  // 0 to 4, left first
};

// The five-by-five grid as a table; its children are the 25 cells, row by row. Nothing in it
// can be selected: a card is played, not picked.
class GridAccessible : public TablePart, public QAccessibleTableInterface {
 public:
  GridAccessible(const TableAccessible& table, QAccessibleInterface* parent);

  GridCellAccessible* Cell(int row, int column) const;  // 0 to 4 each

  void* interface_cast(QAccessible::InterfaceType type) override;
  QAccessibleInterface* childAt(int x, int y) const override;

  QAccessibleInterface* caption() const override { return nullptr; }
  QAccessibleInterface* summary() const override { return nullptr; }
  QAccessibleInterface* cellAt(int row, int column) const override { return Cell(row, column); }
  int selectedCellCount() const override { return 0; }
  QList<QAccessibleInterface*> selectedCells() const override { return {}; }
  QString columnDescription(int column) const override;
  QString rowDescription(int row) const override;
  int selectedColumnCount() const override { return 0; }
  int selectedRowCount() const override { return 0; }
  int columnCount() const override;
  int rowCount() const override;
  QList<int> selectedColumns() const override { return {}; }
  QList<int> selectedRows() const override { return {}; }
  bool isColumnSelected(int) const override { return false; }
  bool isRowSelected(int) const override { return false; }
  bool selectRow(int) override { return false; }
  bool selectColumn(int) override { return false; }
  bool unselectRow(int) override { return false; }
  bool unselectColumn(int) override { return false; }
  void modelChange(QAccessibleTableModelChangeEvent*) override {}

 private:
  std::vector<GridCellAccessible*> cells_;
};

}  // namespace marnelok
