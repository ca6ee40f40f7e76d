// SPDX-License-Identifier: GPL-3.0-or-later
// The table's words, marked for Qt's translation tools.
#include "panel_texts.h"

#include <array>

#include "hand.h"

namespace marnelok {
namespace {

// By hand class. The rules' hand table stays plain English; the names are translated here,
// where they are drawn. In English each, padded to 20 characters, is the hand table's name.
constexpr std::array<const char*, kHandClassCount> kHands = {
    //: The hands with their points, as the score panel, a screen reader and the Statistics
    //: window name them. At most about 155 pixels each in the score panel.
    QT_TRANSLATE_NOOP("HandNames", "None"),
    QT_TRANSLATE_NOOP("HandNames", "One Pair (2)"),
    QT_TRANSLATE_NOOP("HandNames", "Two Pair (5)"),
    QT_TRANSLATE_NOOP("HandNames", "Three of a kind (10)"),
    QT_TRANSLATE_NOOP("HandNames", "Straight (15)"),
    QT_TRANSLATE_NOOP("HandNames", "Flush (20)"),
    QT_TRANSLATE_NOOP("HandNames", "Full House (25)"),
    QT_TRANSLATE_NOOP("HandNames", "Four of a kind (50)"),
    QT_TRANSLATE_NOOP("HandNames", "Straight Flush (75)"),
    QT_TRANSLATE_NOOP("HandNames", "Royal Flush (100)"),
};

constexpr int kPaddedHandLength = 20;
constexpr char kHandContext[] = "HandNames";

}  // namespace

QString PanelTexts::Hand(int handClass) {
  if (handClass < 0 || handClass >= kHandClassCount) handClass = kNone;
  return QCoreApplication::translate(kHandContext, kHands[static_cast<std::size_t>(handClass)]);
}

QString PanelTexts::PaddedHand(int handClass) {
  return Hand(handClass).leftJustified(kPaddedHandLength);
}

//: The score panel's heading.
QString PanelTexts::Score() { return tr("Score"); }

//: The heading over the five columns' hands; at most about 170 pixels.
QString PanelTexts::DownTheColumns() { return tr("Down the Columns"); }

//: The heading over the five rows' hands; at most about 170 pixels.
QString PanelTexts::AcrossTheRows() { return tr("Across the Rows"); }

//: The heading over the total.
QString PanelTexts::TotalScore() { return tr("Total Score"); }

//: Above the card to place next; at most about 76 pixels.
QString PanelTexts::Play() { return tr("Play..."); }

QStringList PanelTexts::NextGameTile() {
  //: The tile that deals the next game: at most four lines (separated by \n) of at most about
  //: 62 pixels each.
  return tr("Click\nfor\nnext\nGame!").split(u'\n');
}

//: The Top 5 panel's title.
QString PanelTexts::TopFiveTitle() { return tr("...The Marnelok Top 5 List..."); }

//: The Top 5 panel's last line: a click closes the panel.
QString PanelTexts::TopFiveResume() { return tr("Click left button to resume..."); }

QString PanelTexts::TopFiveName(const QString& name, int score) {
  //: An empty entry of the Top 5 list.
  if (score == 0 && name == u"None") return tr("None", "Top 5 list");
  return name;
}

//: The banner of a winning total, repeated across the table in boxes 48 pixels wide, or as wide
//: as a longer word. Capitals, as in English.
QString PanelTexts::Win() { return tr("WIN"); }

}  // namespace marnelok
