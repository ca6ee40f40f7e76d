// SPDX-License-Identifier: GPL-3.0-or-later
// Every text of the review window, in one place, each a whole sentence or label with places
// for its figures, so that a translation can reorder them.
#pragma once

#include <QString>
#include <cstdint>

#include "game_kind.h"

namespace marnelok::review_texts {

QString WindowTitle();
QString Header(int column);    // PlacementsModel's columns
QString Card(int code);        // rank and suit: "10♥", "A♠"
QString Cell(int cell);        // "Row 2, column 3", rows and columns from 1 at the top left
QString CellInText(int cell);  // "row 2, column 3", within a sentence
QString ThrownDown();
QString NotJudged();
QString Number(double value);  // one decimal, in the system's locale

QString DealLine(std::uint32_t deal, GameKind kind);
QString PlayedByTheDemo();
QString TotalLine(int total);
QString ParLine(int par, int total);  // the advisor's total, and the player's against it
QString PointsLostLine(double points);
QString CloseToBestLine(int close, int judged, double share);
// `turns`: the costliest placements' turns as a list made by the locale, `count` of them.
QString CostliestLine(int count, const QString& turns);
QString NoneCostly();
QString PartialLine(int judged, int total);

QString Reading();
QString Judging();              // the progress bar's text: %v and %m are the bar's own
QString JudgingName();          // the progress bar's name for a screen reader
QString PictureName(int turn);  // "The table at turn 4"
QString NoFinishedGame();
QString StoppedBeforeReading();
QString CannotRead(const QString& error);

QString Cancel();
QString Resume();
QString Close();

QString ThrownCaption(int turn, int card);
QString UnjudgedCaption(int turn, int card, int cell);
QString JudgedCaption(int turn, int card, int cell, double expected, int bestCell,
                      double bestExpected, double lost);
QString Legend();

QString ChartTitle();
QString ChosenSeries();
QString BestSeries();
QString CostliestSeries();
QString TurnAxis();
QString PointsAxis();

}  // namespace marnelok::review_texts
