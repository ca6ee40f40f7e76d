// SPDX-License-Identifier: GPL-3.0-or-later
// The "Make a Donation" dialog: a picture, five choices, a short message with the home-page
// link, and "Proceed". Whatever way it closes, it reports the selected choice to its owner's
// handler; choosing what that means is the DonateReminder's business.
#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <memory>

class QButtonGroup;

namespace marnelok {

class Desktop;
namespace Ui {
class TDonateForm;
}

class TDonateForm : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kItemCount = 5;
  // Called once each time the dialog closes, with the selected item index.
  using CloseHandler = std::function<void(int choice)>;

  TDonateForm(QWidget* owner, Desktop& desktop, CloseHandler onClose = {});
  ~TDonateForm() override;

  int ItemIndex() const;
  // Selects item `index`; indexes outside 0..4 are ignored.
  void SetItemIndex(int index);

  // The first paragraph, naming the maker's web site.
  static QString FirstParagraph(const QString& siteName);

  void done(int result) override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void ApplyLook();
  void FitItemTexts();
  void FormCreate();
  void ntmOKClick();
  void FormClose();
  void lblHomePageClick();

  std::unique_ptr<Ui::TDonateForm> ui_;
  QButtonGroup* items_ = nullptr;
  Desktop& desktop_;
  CloseHandler onClose_;
  bool itemsFitted_ = false;
};

}  // namespace marnelok
