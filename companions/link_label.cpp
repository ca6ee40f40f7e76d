// SPDX-License-Identifier: GPL-3.0-or-later
// A web link drawn as a label, for the mouse, the keyboard and assistive technology.
#include "link_label.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace marnelok {
namespace {

// The label as a link: named by its text, pressed as a click.
class LinkAccessible : public QAccessibleWidget {
 public:
  explicit LinkAccessible(LinkLabel* link) : QAccessibleWidget(link, QAccessible::Link) {}

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
      return static_cast<const LinkLabel*>(widget())->text();
    return QAccessibleWidget::text(t);
  }
  QStringList actionNames() const override {
    return QStringList(pressAction()) + QAccessibleWidget::actionNames();
  }
  void doAction(const QString& action) override {
    if (action == pressAction())
      static_cast<LinkLabel*>(widget())->Activate();
    else
      QAccessibleWidget::doAction(action);
  }
};

QAccessibleInterface* LinkFactory(const QString& key, QObject* object) {
  if (key == QLatin1String(LinkLabel::staticMetaObject.className()))
    return new LinkAccessible(static_cast<LinkLabel*>(object));
  return nullptr;
}

}  // namespace

LinkLabel::LinkLabel(QWidget* parent) : ClickLabel(parent) {
  static const bool installed = [] {
    QAccessible::installFactory(LinkFactory);
    return true;
  }();
  Q_UNUSED(installed);
  // Tab reaches it; a click does not leave a focus frame behind.
  setFocusPolicy(Qt::TabFocus);
}

void LinkLabel::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) &&
      (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
    event->accept();
    if (!event->isAutoRepeat()) Activate();
    return;
  }
  ClickLabel::keyPressEvent(event);
}

void LinkLabel::paintEvent(QPaintEvent* event) {
  ClickLabel::paintEvent(event);
  if (!hasFocus()) return;
  QStylePainter painter(this);
  QStyleOptionFocusRect option;
  option.initFrom(this);
  option.backgroundColor = palette().color(QPalette::Window);
  painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

}  // namespace marnelok
