#pragma once
// The user's regional number format, as the system settings give it.
#include <QLocale>
#include <QString>

#include "framework/numbers.h"

namespace vm::ui {

inline Regional regionalOf(const QLocale& l) {
  Regional r;
  r.decimal = l.decimalPoint().toStdString();
  r.group = l.groupSeparator().toStdString();
  r.minus = l.negativeSign().toStdString();
  r.decimals = 2;
  r.groupSize = 3;
  const QString f = l.dateFormat(QLocale::ShortFormat);
  const qsizetype d = f.indexOf('d'), m = f.indexOf('M'), y = f.indexOf('y');
  if (y >= 0 && (y < m || m < 0)) r.dateOrder = 'Y';
  else if (m >= 0 && m < d) r.dateOrder = 'M';
  else r.dateOrder = 'D';
  for (QChar c : f) {
    if (!c.isLetter()) {
      r.dateSeparator = QString(c).toStdString();
      break;
    }
  }
  return r;
}

}  // namespace vm::ui
