// SPDX-License-Identifier: GPL-3.0-or-later
// Exporting the history as CSV.
#include "csv_export.h"

#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>
#include <QStringList>
#include <QTextStream>

#include "game_record.h"
#include "history_file.h"
#include "sql_batch.h"
#include "statistics.h"

namespace marnelok::history {
namespace {

const char* const kColumns[] = {"id",   "started_at", "finished_at", "deal", "kind",   "total",
                                "won",  "finished",   "hints",       "demo", "player", "row1",
                                "row2", "row3",       "row4",        "row5", "col1",   "col2",
                                "col3", "col4",       "col5",        "par",  "daily"};
constexpr int kFirstHandColumn = 11;

QString Quoted(const QString& text) {
  return '"' + QString(text).replace('"', QStringLiteral("\"\"")) + '"';
}

QString Field(const QString& text) {
  static const QString kSpecial = QStringLiteral(",\"\r\n");
  for (const QChar c : text)
    if (kSpecial.contains(c)) return Quoted(text);
  return text;
}

// A text a spreadsheet would take for a formula starts with one of these. Such a cell is kept
// as text: a single quote before it, and the field quoted.
QString TextField(const QString& text) {
  static const QString kFormulaStart = QStringLiteral("=+-@\t\r");
  if (!text.isEmpty() && kFormulaStart.contains(text.front())) return Quoted('\'' + text);
  return Field(text);
}

}  // namespace

std::optional<QString> ExportCsv(const QSqlDatabase& db, const QString& path) {
  // Another user's link is not written through, and the history never written over.
  QString target;
  if (const QString refusal = RefusalToWrite(path, &target); !refusal.isEmpty()) return refusal;
  if (IsHistoryFile(target, db.databaseName()))
    //: Follows "The history could not be exported: ".
    return QCoreApplication::translate("CsvExport",
                                       "\"%1\" is a file of the history itself; choose another "
                                       "name")
        .arg(QDir::toNativeSeparators(path));
  QSaveFile file(target);
  if (!file.open(QIODevice::WriteOnly)) return file.errorString();
  QTextStream out(&file);
  QStringList header;
  for (const char* column : kColumns) header << QString::fromLatin1(column);
  out << header.join(',') << "\r\n";

  SqlBatch batch(db);
  batch.BeginRead();
  QSqlQuery q = batch.Run(QStringLiteral("SELECT ") + header.join(QStringLiteral(", ")) +
                          QStringLiteral(" FROM games ORDER BY id"));
  QStringList row;
  while (q.next()) {
    row.clear();
    for (int c = 0; c < int(std::size(kColumns)); ++c) {
      const QVariant value = q.value(c);
      const int hand = value.toInt();
      if (c >= kFirstHandColumn && c < kFirstHandColumn + kLines && !value.isNull() && hand >= 0 &&
          hand < kHandClasses)
        row << Field(HandName(hand));
      else if (value.typeId() == QMetaType::QString)
        row << TextField(value.toString());
      else
        row << Field(value.toString());
    }
    out << row.join(',') << "\r\n";
  }
  if (!batch.Finish()) {
    file.cancelWriting();
    return batch.fault()->text;
  }
  out.flush();
  if (out.status() != QTextStream::Ok || !file.commit()) return file.errorString();
  return std::nullopt;
}

}  // namespace marnelok::history
