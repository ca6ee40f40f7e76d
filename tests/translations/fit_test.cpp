// SPDX-License-Identifier: GPL-3.0-or-later
// Every shipped language, and English, in the places its texts are drawn in, with the
// program's fonts: the table's texts against their rooms, the menu bar in one row, the
// donation dialog's and the About window's fixed layouts, and the name that the Top 5 prompt
// offers kept whole by the record; and the access keys of every menu.
#include <gtest/gtest.h>

#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTranslator>
#include <map>
#include <set>

#include "canvas.h"
#include "donate_form.h"
#include "fake_desktop.h"
#include "geometry.h"
#include "language.h"
#include "name_text.h"
#include "panel_texts.h"
#include "settings_record.h"
#include "splash_form.h"
#include "table_painter.h"
#include "ui_marnelok_form.h"

namespace marnelok {
namespace {

// English, the program's own texts, then every shipped language.
QStringList Languages() { return QStringList{QString()} + ShippedLanguages(); }

// The program's translator for `code` installed while the object lives; none for English.
class InLanguage {
 public:
  explicit InLanguage(const QString& code) : code_(code), translator_(ProgramTranslator(code)) {
    if (translator_) QCoreApplication::installTranslator(translator_.get());
  }
  ~InLanguage() {
    if (translator_) QCoreApplication::removeTranslator(translator_.get());
  }
  bool Loaded() const { return code_.isEmpty() || translator_ != nullptr; }
  std::string Name() const { return code_.isEmpty() ? "English" : code_.toStdString(); }

 private:
  QString code_;
  std::unique_ptr<QTranslator> translator_;
};

// The main window's menus as the program builds them from its description.
struct Menus {
  Menus() { ui.setupUi(&window); }
  QMainWindow window;
  ::Ui::TMarnelokForm ui;
};

template <typename T>
T& Child(const QWidget& parent, const char* name) {
  T* child = parent.findChild<T*>(QString::fromLatin1(name));
  if (child == nullptr) throw std::runtime_error(std::string("no ") + name);
  return *child;
}

TEST(Translations, EveryTextFitsItsPlace) {
  for (const QString& code : Languages()) {
    const InLanguage language(code);
    SCOPED_TRACE(language.Name());
    ASSERT_TRUE(language.Loaded());

    // The canvas narrows a text to its room where the painter gives one; a translation may be
    // narrowed as far as the program narrows any text, to three quarters of its width (the
    // donation dialog's choices), and no further. Elsewhere a text must fit as it is.
    Canvas canvas;
    for (const TableGeometry& geometry : {kRegularCards, kLargeCards}) {
      for (const PlacedText& t : TablePainter::PlacedTexts(geometry)) {
        canvas.SetFontSize(t.points);
        const int allowed = t.narrowed ? t.room * 4 / 3 : t.room;
        EXPECT_LE(canvas.TextWidth(t.text), allowed)
            << t.place << ": \"" << t.text.toStdString() << "\" at " << t.points
            << " points, cards " << geometry.cardWidth << " wide";
      }
    }
    EXPECT_LE(PanelTexts::NextGameTile().size(), 4) << "the tile holds four lines";

    // The window's height counts the menu bar as one row.
    const Menus menus;
    QMenuBar& bar = *menus.window.menuBar();
    EXPECT_LE(bar.heightForWidth(TableNeeds(kRegularCards).width), bar.sizeHint().height());

    testing::FakeDesktop desktop;
    TDonateForm donate(nullptr, desktop);
    donate.show();  // its choices are fitted when it is first shown
    for (const QRadioButton* item : donate.findChildren<QRadioButton*>())
      EXPECT_LE(item->sizeHint().width(), item->width()) << item->text().toStdString();
    for (const char* name : {"Label1", "Label2"}) {
      const auto& label = Child<QLabel>(donate, name);
      EXPECT_LE(label.heightForWidth(label.width()), label.height()) << name;
    }
    const auto& proceed = Child<QPushButton>(donate, "ntmOK");
    EXPECT_LE(proceed.sizeHint().width(), proceed.width()) << proceed.text().toStdString();
    const TsplashForm about(nullptr, TsplashForm::Mode::kAbout, desktop);
    const auto& edition = Child<QLabel>(about, "lblEval");
    EXPECT_LE(edition.sizeHint().width(), edition.width()) << edition.text().toStdString();
    EXPECT_LE(edition.sizeHint().height(), edition.height()) << edition.text().toStdString();

    // Kept when the player does not change it: the record must hold it as it is shown.
    const QString offered =
        QCoreApplication::translate("RecordKeeper", SettingsRecord::kDefaultLastName.data());
    EXPECT_LE(offered.size(), qsizetype(SettingsRecord::kNameCapacity)) << offered.toStdString();
    EXPECT_TRUE(LettersNotKept(offered).isEmpty()) << offered.toStdString();
  }
}

// Each menu's access keys are unique, and a command that has one in English has one in every
// language.
TEST(Translations, AccessKeysAreUniqueInEveryMenu) {
  std::map<QString, bool> english;  // by the action's name: whether it has an access key
  for (const QString& code : Languages()) {
    const InLanguage language(code);
    SCOPED_TRACE(language.Name());
    ASSERT_TRUE(language.Loaded());
    const Menus menus;
    std::vector<QList<QAction*>> lists{menus.window.menuBar()->actions()};
    for (const QAction* title : lists.front()) lists.push_back(title->menu()->actions());
    for (const QList<QAction*>& actions : lists) {
      std::set<QKeySequence> keys;
      for (const QAction* action : actions) {
        if (action->isSeparator()) continue;
        const QKeySequence key = QKeySequence::mnemonic(action->text());
        const QString name =
            action->menu() != nullptr ? action->menu()->objectName() : action->objectName();
        if (code.isEmpty()) english[name] = !key.isEmpty();
        if (key.isEmpty()) {
          EXPECT_FALSE(english[name]) << action->text().toStdString() << " lost its access key";
          continue;
        }
        EXPECT_TRUE(keys.insert(key).second)
            << action->text().toStdString() << ": " << key.toString().toStdString() << " twice";
      }
    }
  }
}

}  // namespace
}  // namespace marnelok
