// SPDX-License-Identifier: GPL-3.0-or-later
// The table as a screen reader reads it through Qt's accessibility: cards in words, the grid
// with its rows and columns, the lines and the total, the Top 5 list and the banner, and the
// events that tell each change of a game.
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <QAccessible>
#include <algorithm>
#include <functional>
#include <vector>

#include "board.h"
#include "keyboard_cursor.h"
#include "table_accessible.h"
#include "table_painter.h"
#include "table_words.h"
#include "window_fixture.h"

namespace marnelok::testing {
namespace {

QString NameOf(const QAccessibleInterface* part) { return part->text(QAccessible::Name); }

TEST(TableWords, CardsInWords) {
  const struct {
    int code;
    const char* name;
  } cards[] = {
      {1, "Two of Hearts"},      {9, "Ten of Hearts"},         {13, "Ace of Hearts"},
      {14, "Two of Clubs"},      {19, "Seven of Clubs"},       {24, "Queen of Clubs"},
      {30, "Five of Diamonds"},  {39, "Ace of Diamonds"},      {49, "Jack of Spades"},
      {51, "King of Spades"},    {52, "Ace of Spades"},        {kDeckCode, "Empty"},
      {kEmptySlotCode, "Empty"}, {kNextGameTileCode, "Empty"}, {kVoidCode, "Empty"},
  };
  for (const auto& c : cards) EXPECT_EQ(TableWords::Card(c.code), c.name) << c.code;
  EXPECT_EQ(TableWords::CurrentCard(19), "Current card: Seven of Clubs");
  EXPECT_EQ(TableWords::CurrentCard(kBlankCode), "Click the deck or press Enter to deal");
  EXPECT_EQ(TableWords::TopFiveEntry(2, "%1 %3", 7), "2. %1 %3: 7");  // a name is only a name
}

// A finished winning game, read from a table of its own.
TEST(TableAccessible, ReadsTheGridTheLinesTheTopFiveAndTheBanner) {
  PaintBox box;
  box.resize(760, 640);
  GameState state;
  state.dealCount = 1;
  // Royal flushes in hearts and spades across the first two rows, two straight flushes in
  // clubs below them.
  const int rows[5][5] = {{9, 10, 11, 12, 13},
                          {48, 49, 50, 51, 52},
                          {14, 15, 16, 17, 18},
                          {19, 20, 21, 22, 23},
                          {24, 25, 26, 27, 28}};
  for (int r = 0; r < 5; ++r)
    for (int c = 0; c < 5; ++c) state.board[c + 2][r + 1] = rows[r][c];
  ComputeLineResults(state);
  ASSERT_GE(state.totalScore, kWinningScore);
  const TableGeometry geometry = kRegularCards;
  bool topFiveShown = false;
  KeyboardCursor cursor(box, state, geometry, topFiveShown, {});
  TopFiveList list;
  for (int k = 1; k <= 5; ++k) list[k - 1] = {QStringLiteral("P%1").arg(k), 200 - k};
  const int rowPitch = geometry.cardHeight + 2;
  TableAccessibility speech(box, {state, geometry, list, cursor, rowPitch, topFiveShown});

  QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&box);
  ASSERT_NE(table, nullptr);
  EXPECT_EQ(NameOf(table), "Marnelok table");
  EXPECT_EQ(table->text(QAccessible::Description),
            "Game over. Total Score: " + QString::number(state.totalScore));
  ASSERT_EQ(table->childCount(), 4);  // grid, current card, score panel, banner
  QAccessibleInterface* grid = table->child(0);
  QAccessibleTableInterface* cells = grid->tableInterface();
  ASSERT_NE(cells, nullptr);
  EXPECT_EQ(grid->role(), QAccessible::Table);
  EXPECT_EQ(grid->childCount(), 25);
  EXPECT_EQ(cells->rowCount(), 5);
  EXPECT_EQ(cells->columnCount(), 5);
  EXPECT_EQ(NameOf(cells->cellAt(0, 0)), "Ten of Hearts");
  EXPECT_EQ(NameOf(cells->cellAt(1, 3)), "King of Spades");
  EXPECT_EQ(NameOf(cells->cellAt(4, 4)), "Three of Diamonds");
  QAccessibleTableCellInterface* cell = grid->child(8)->tableCellInterface();
  EXPECT_EQ(cell->rowIndex(), 1);
  EXPECT_EQ(cell->columnIndex(), 3);
  EXPECT_EQ(grid->childAt(box.mapToGlobal(QPoint(90 + 3 * 75, 10 + 84)).x(),
                          box.mapToGlobal(QPoint(90 + 3 * 75, 10 + 84)).y()),
            grid->child(8));
  EXPECT_EQ(NameOf(table->child(1)), "Click the deck or press Enter to deal");

  QAccessibleInterface* score = table->child(2);
  ASSERT_EQ(score->childCount(), 11);
  EXPECT_EQ(NameOf(score->child(0)), "Column 1: One Pair (2)");
  EXPECT_EQ(NameOf(score->child(5)), "Row 1: Royal Flush (100)");
  EXPECT_EQ(NameOf(score->child(9)), "Row 5: None");
  EXPECT_EQ(NameOf(score->child(10)), "Total Score: " + QString::number(state.totalScore));
  EXPECT_EQ(NameOf(table->child(3)), "WIN");

  // The Top 5 panel joins the table while it is shown; a new game takes the banner away.
  topFiveShown = true;
  ASSERT_EQ(table->childCount(), 5);
  QAccessibleInterface* topFive = table->child(3);
  EXPECT_EQ(NameOf(topFive), "The Marnelok Top 5 List");
  ASSERT_EQ(topFive->childCount(), 5);
  EXPECT_EQ(NameOf(topFive->child(0)), "1. P1: 199");
  EXPECT_EQ(NameOf(topFive->child(4)), "5. P5: 195");
  topFiveShown = false;
  state.gameActive = true;
  EXPECT_EQ(table->childCount(), 3);
}

// The pixels that drawing a part changes, as the table's own rectangle.
QRect Drawn(PaintBox& box, const std::function<void()>& draw) {
  const QImage before = box.canvas().image().copy();
  draw();
  const QImage& after = box.canvas().image();
  QRect changed;
  for (int y = 0; y < after.height(); ++y)
    for (int x = 0; x < after.width(); ++x)
      if (after.pixel(x, y) != before.pixel(x, y)) changed |= QRect(x, y, 1, 1);
  return changed;
}

// What a screen reader is told of a part's place is where the painter draws it, at both card
// sizes and whatever row pitch the painter last left.
TEST(TableAccessible, PlacesThePartsWhereThePainterDrawsThem) {
  PaintBox box;
  box.resize(760, 640);
  box.canvas().Resize(box.size());  // as a shown table's is
  GameState state;
  state.dealCount = 1;
  state.totalScore = kWinningScore;
  TopFiveList list;
  const CardImages images = LoadCardImages();
  const std::optional<Cell> hint;
  for (const TableGeometry& geometry : {kRegularCards, kLargeCards}) {
    TableLook look;
    look.cardBack = &images.regularBack;
    TablePainter painter(box.canvas(), state, geometry, images, look, list, hint);
    KeyboardCursor cursor(box, state, geometry, painter.TopFiveShown(), {});
    TableAccessibility speech(
        box, {state, geometry, list, cursor, painter.RowPitch(), painter.TopFiveShown()});
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&box);
    ASSERT_NE(table, nullptr);
    const auto local = [&](QAccessibleInterface* part) {
      const QRect r = part->rect();
      return QRect(box.mapFromGlobal(r.topLeft()), r.size());
    };

    // The score panel is what a board drawn during a game adds to one drawn before any.
    painter.SystemRepaint();
    state.dealCount = 0;
    painter.DrawBoard();
    state.dealCount = 1;
    state.gameActive = true;
    const QRect panel = Drawn(box, [&] { painter.DrawBoard(); });
    state.gameActive = false;
    ASSERT_EQ(table->childCount(), 4);
    EXPECT_EQ(local(table->child(2)), panel);
    // During a game the board is drawn without the banner.
    const auto board = [&] {
      state.gameActive = true;
      painter.DrawBoard();
      state.gameActive = false;
    };
    for (const auto& drawFirst :
         std::vector<std::function<void()>>{board, [&] { painter.DrawDeckStack(); }}) {
      drawFirst();
      const QRect banner = Drawn(box, [&] { painter.DrawWinBanner(); });
      EXPECT_EQ(local(table->child(3)).top(), banner.top()) << painter.RowPitch();
      EXPECT_EQ(local(table->child(3)).bottom(), banner.bottom()) << painter.RowPitch();
    }

    painter.SetTopFiveShown(true);
    painter.SystemRepaint();
    const QRect topFive = Drawn(box, [&] { painter.DrawTopFivePanel(); });
    ASSERT_EQ(table->childCount(), 5);
    EXPECT_EQ(local(table->child(3)), topFive);
    painter.SetTopFiveShown(false);
    speech.Refresh();
  }
}

// Records what the table tells a screen reader, as the platform's bridge would receive it.
class ScreenReaderTest : public WindowTest {
 protected:
  struct Telling {
    QAccessible::Event type;
    const QAccessibleInterface* part;
    QString text;
  };
  static std::vector<Telling>& Heard() {
    static std::vector<Telling> heard;
    return heard;
  }
  static void Listen(QAccessibleEvent* event) {
    const QAccessible::Event type = event->type();
    if (type != QAccessible::NameChanged && type != QAccessible::DescriptionChanged &&
        type != QAccessible::Focus && type != QAccessible::ObjectCreated &&
        type != QAccessible::ObjectDestroyed && type != QAccessible::ObjectShow)
      return;
    const QAccessibleInterface* part = event->accessibleInterface();
    if (part == nullptr || !part->isValid()) return;
    Heard().push_back({type, part,
                       part->text(type == QAccessible::DescriptionChanged ? QAccessible::Description
                                                                          : QAccessible::Name)});
  }
  void SetUp() override {
    WindowTest::SetUp();
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
    QAccessible::installUpdateHandler(&ScreenReaderTest::Listen);
  }
  void TearDown() override {
    QAccessible::installUpdateHandler(nullptr);
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(false);
    WindowTest::TearDown();
  }
  // The notifications shown since Heard() was last cleared, which a screen reader speaks.
  static QStringList Said() {
    QStringList said;
    for (const Telling& t : Heard())
      if (t.type == QAccessible::ObjectShow && t.part->role() == QAccessible::Notification)
        said << t.text;
    return said;
  }
  // Whether a screen reader was told `text` of `part` since Heard() was last cleared.
  bool Told(QAccessible::Event type, const QAccessibleInterface* part, const QString& text) {
    return std::any_of(Heard().begin(), Heard().end(), [&](const Telling& t) {
      return t.type == type && t.part == part && t.text == text;
    });
  }
};

TEST_F(ScreenReaderTest, HearsEveryChangeOfAGame) {
  StartActive();
  QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&Box());
  ASSERT_EQ(table->childCount(), 2);  // before the first deal: the grid and how to deal
  QAccessibleInterface* grid = table->child(0);
  QAccessibleInterface* current = table->child(1);
  QAccessibleInterface* topLeft = grid->tableInterface()->cellAt(0, 0);
  EXPECT_EQ(NameOf(topLeft), "Empty");
  EXPECT_EQ(NameOf(current), "Click the deck or press Enter to deal");

  Seed(5);
  Heard().clear();
  Key(Qt::Key_Return);
  ASSERT_EQ(table->childCount(), 3);
  QAccessibleInterface* score = table->child(2);
  EXPECT_TRUE(Told(QAccessible::ObjectCreated, score, "Score"));
  EXPECT_TRUE(Told(QAccessible::NameChanged, current, "Current card: Queen of Clubs"));
  EXPECT_TRUE(Told(QAccessible::DescriptionChanged, table, "Cards placed: 0 of 25"));
  EXPECT_EQ(Said(), QStringList{"New game. First card: Queen of Clubs."});
  EXPECT_EQ(current->text(QAccessible::Description), "Deal " + QString::number(State().dealNumber));

  // A placement: the cell, the next card and the count.
  Heard().clear();
  Key(Qt::Key_Return);
  EXPECT_EQ(
      Said(),
      QStringList{"Queen of Clubs to row 1, column 1. Next: " + NameOf(current).mid(14) + "."});
  EXPECT_EQ(NameOf(topLeft), "Queen of Clubs");
  EXPECT_TRUE(Told(QAccessible::NameChanged, topLeft, "Queen of Clubs"));
  EXPECT_TRUE(Told(QAccessible::NameChanged, current, NameOf(current)));
  EXPECT_TRUE(Told(QAccessible::DescriptionChanged, table, "Cards placed: 1 of 25"));

  // The cursor: the cell it moves to takes the focus.
  QAccessibleInterface* next = grid->tableInterface()->cellAt(0, 1);
  Heard().clear();
  Key(Qt::Key_Left);
  EXPECT_TRUE(Told(QAccessible::Focus, topLeft, "Queen of Clubs"));  // the first arrow too
  Key(Qt::Key_Right);
  EXPECT_TRUE(Told(QAccessible::Focus, next, "Empty"));
  EXPECT_EQ(Said(), (QStringList{"Row 1, column 1.", "Row 1, column 2."}));
  Heard().clear();
  Key(Qt::Key_C);
  EXPECT_EQ(Said(), QStringList{"C" + NameOf(current).mid(1) + ". Total 0."});
  EXPECT_EQ(table->focusChild(), next);
  EXPECT_TRUE(next->state().focused);
  EXPECT_FALSE(topLeft->state().focused);

  // An undo empties the cell again.
  Heard().clear();
  Key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_TRUE(Told(QAccessible::NameChanged, topLeft, "Empty"));
  EXPECT_TRUE(Told(QAccessible::NameChanged, current, "Current card: Queen of Clubs"));
  EXPECT_EQ(Said(), QStringList{"Taken back: Queen of Clubs from row 1, column 1."});

  // The Top 5 panel comes and goes.
  Heard().clear();
  Trigger("MenuGameHighScoresItem");
  ASSERT_EQ(table->childCount(), 4);
  QAccessibleInterface* topFive = table->child(3);
  EXPECT_TRUE(Told(QAccessible::ObjectCreated, topFive, "The Marnelok Top 5 List"));
  EXPECT_EQ(NameOf(topFive->child(0)), "1. None: 0");
  Key(Qt::Key_Escape);
  EXPECT_TRUE(Told(QAccessible::ObjectDestroyed, topFive, "The Marnelok Top 5 List"));
  EXPECT_EQ(table->childCount(), 3);

  // The end of the game: the total, the count and the way to the next deal. A completed row
  // is told with its hand and the total.
  for (int r = 1; r <= 5; ++r)
    for (int c = 2; c <= 6; ++c) {
      Heard().clear();
      PlaceAt(c, r);
      Flush();
      if (r == 1 && c == 6) {
        ASSERT_EQ(Said().size(), 1);
        EXPECT_TRUE(Said()[0].endsWith(" " + NameOf(score->child(5)) + ". Total " +
                                       QString::number(State().totalScore) + "."))
            << Said()[0].toStdString();
      }
    }
  ASSERT_FALSE(State().gameActive);
  const QString total = QString::number(State().totalScore);
  const QString end = Said().join(u' ');
  EXPECT_TRUE(end.contains("Game over. Total " + total + ".")) << end.toStdString();
  EXPECT_TRUE(end.endsWith(" enters the Top 5 list.")) << end.toStdString();
  EXPECT_TRUE(Told(QAccessible::NameChanged, score->child(10), "Total Score: " + total));
  EXPECT_TRUE(Told(QAccessible::DescriptionChanged, table, "Game over. Total Score: " + total));
  EXPECT_TRUE(Told(QAccessible::NameChanged, current, "Click the deck or press Enter to deal"));
}

}  // namespace
}  // namespace marnelok::testing
