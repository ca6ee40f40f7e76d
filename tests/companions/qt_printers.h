// SPDX-License-Identifier: GPL-3.0-or-later
// Readable failure messages for the Qt values that the companion tests compare.
#pragma once

#include <QColor>
#include <QRect>
#include <QString>
#include <QUrl>
#include <ostream>

inline std::ostream& operator<<(std::ostream& os, const QString& s) {
  return os << '"' << s.toStdString() << '"';
}
inline void PrintTo(const QString& s, std::ostream* os) { *os << s; }
inline void PrintTo(const QUrl& u, std::ostream* os) { *os << u.toString(); }
inline void PrintTo(const QRect& r, std::ostream* os) {
  *os << '(' << r.x() << ',' << r.y() << ' ' << r.width() << 'x' << r.height() << ')';
}
inline void PrintTo(const QColor& c, std::ostream* os) {
  *os << "rgb(" << c.red() << ',' << c.green() << ',' << c.blue() << ')';
}
