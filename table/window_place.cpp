// SPDX-License-Identifier: GPL-3.0-or-later
// Placing the table's own windows and keeping their places.
#include "window_place.h"

#include <QEvent>
#include <QScreen>
#include <QSettings>
#include <QWidget>
#include <algorithm>

#include "ini_file.h"

namespace marnelok {
namespace {

constexpr int kGap = 8;  // between the table and a window beside it
const QString kSection = QStringLiteral("Windows/");

qint64 Area(const QRect& r) { return r.isEmpty() ? 0 : qint64(r.width()) * r.height(); }

// "x y width height"; an empty rectangle for anything else.
QRect ParsePlace(const QString& text) {
  const QStringList parts = text.split(' ', Qt::SkipEmptyParts);
  if (parts.size() != 4) return {};
  int n[4];
  for (int k = 0; k < 4; ++k) {
    bool ok = false;
    n[k] = parts[k].toInt(&ok);
    if (!ok || std::abs(n[k]) > 100000) return {};
  }
  return QRect(n[0], n[1], n[2], n[3]);
}

bool IsRegistryKey(const QString& path) { return path.startsWith(QStringLiteral("HKEY_")); }

}  // namespace

QRect FitOnScreen(QRect wanted, const QRect& screen) {
  wanted.setWidth(std::min(wanted.width(), screen.width()));
  wanted.setHeight(std::min(wanted.height(), screen.height()));
  wanted.moveLeft(std::clamp(wanted.left(), screen.left(), screen.right() + 1 - wanted.width()));
  wanted.moveTop(std::clamp(wanted.top(), screen.top(), screen.bottom() + 1 - wanted.height()));
  return wanted;
}

QRect PlaceBeside(const QRect& table, QSize size, const QRect& screen) {
  size = size.boundedTo(screen.size());
  const QRect sides[] = {
      QRect(QPoint(table.right() + 1 + kGap, table.top()), size),
      QRect(QPoint(table.left() - kGap - size.width(), table.top()), size),
      QRect(QPoint(table.left(), table.bottom() + 1 + kGap), size),
      QRect(QPoint(table.left(), table.top() - kGap - size.height()), size),
  };
  QRect best;
  qint64 least = -1;
  for (const QRect& side : sides) {
    // Room on the side itself, slid along it as far as the screen asks.
    const QRect place = FitOnScreen(side, screen);
    const qint64 covered = Area(place.intersected(table));
    if (least < 0 || covered < least) {
      best = place;
      least = covered;
    }
  }
  // The screen's corners may cover less of a table that fills its middle.
  for (const QPoint corner :
       {screen.topLeft(), screen.topRight(), screen.bottomLeft(), screen.bottomRight()}) {
    const QRect place = FitOnScreen(QRect(corner, size), screen);
    if (Area(place.intersected(table)) < least) {
      best = place;
      least = Area(place.intersected(table));
    }
  }
  return best;
}

WindowPlaces::WindowPlaces(QString settingsPath, bool canMove)
    : path_(std::move(settingsPath)), canMove_(canMove) {}

void WindowPlaces::Load() {
  if (loaded_) return;
  loaded_ = true;
  const auto read = [this](const QSettings& store) {
    for (const QString& key : store.allKeys())
      if (key.startsWith(kSection)) {
        const QRect place = ParsePlace(store.value(key).toString());
        if (place.width() > 0 && place.height() > 0) places_[key.mid(kSection.size())] = place;
      }
  };
  if (IsRegistryKey(path_))
    read(QSettings(path_, QSettings::NativeFormat));
  else
    ReadIniFile(path_, read);
}

void WindowPlaces::Show(QWidget& window, QWidget& table) {
  Load();
  window.removeEventFilter(this);
  window.installEventFilter(this);
  const QScreen* screen = table.screen();
  if (screen == nullptr) {
    window.show();
    return;
  }
  const QRect area = screen->availableGeometry();
  // The window's frame is not known before it is shown: taken to be the table's.
  const QRect frame = table.frameGeometry();
  const QRect inside = table.geometry();
  const QMargins margins(inside.left() - frame.left(), inside.top() - frame.top(),
                         frame.right() - inside.right(), frame.bottom() - inside.bottom());
  const auto known = places_.constFind(window.objectName());
  QRect outer;
  if (known != places_.constEnd())
    outer = FitOnScreen(known->marginsAdded(margins), area);
  else
    outer = PlaceBeside(frame, window.size().grownBy(margins), area);
  const QRect inner = outer.marginsRemoved(margins);
  window.resize(inner.size());
  if (canMove_) window.move(outer.topLeft());
  window.show();
}

void WindowPlaces::Remember(QWidget& window) {
  if (window.isVisible()) Store(window);
}

void WindowPlaces::Store(QWidget& window) {
  if (window.objectName().isEmpty()) return;
  Load();
  const QRect place = window.geometry();
  places_[window.objectName()] = place;
  const QString key = kSection + window.objectName();
  const QString text = QStringLiteral("%1 %2 %3 %4")
                           .arg(place.x())
                           .arg(place.y())
                           .arg(place.width())
                           .arg(place.height());
  const auto write = [&](QSettings& store) { store.setValue(key, text); };
  if (IsRegistryKey(path_)) {
    QSettings store(path_, QSettings::NativeFormat);
    write(store);
  } else {
    UpdateIniFile(path_, write);  // a place that cannot be stored is only forgotten
  }
}

bool WindowPlaces::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Hide && watched->isWidgetType() &&
      static_cast<QWidget*>(watched)->isWindow())
    Store(*static_cast<QWidget*>(watched));
  return QObject::eventFilter(watched, event);
}

}  // namespace marnelok
