#pragma once
// The user's regional number format, as the system settings (or a locale
// named on the command line) give it. Needs QtCore only: the desktop
// program and the driver both take it from here.
#include <QLocale>
#include <QString>
#include <QStringList>
#include <optional>
#include <string_view>

#include "framework/numbers.h"

namespace vm {

inline Regional regionalOf(const QLocale& l) {
  Regional r;
  r.decimal = l.decimalPoint().toStdString();
  r.group = l.groupSeparator().toStdString();
  r.minus = l.negativeSign().toStdString();
  // the sizes of the groups, as the locale writes a long whole number
  // ("1,23,45,67,890" in India: three digits, then two)
  const QStringList groups = l.toString(1234567890LL).split(l.groupSeparator());
  // (a locale that leaves them out, as "C" does, keeps groups of three)
  r.groupSize = groups.size() > 1 ? static_cast<int>(groups.back().size()) : 3;
  r.groupHigher = groups.size() > 2 ? static_cast<int>(groups[groups.size() - 2].size()) : r.groupSize;
  // the default count of decimals: the decimals of the locale's money
  // ("1.235 ISK" in Iceland, "￥1,235" in Japan, "1.234,57 €" in Italy)
  const QString money = l.toCurrencyString(1234.5678, QStringLiteral("X"));
  const qsizetype point = money.lastIndexOf(l.decimalPoint());
  int decimals = 0;
  if (point >= 0)
    for (qsizetype k = point + l.decimalPoint().size(); k < money.size() && money[k].isDigit(); ++k) ++decimals;
  r.decimals = decimals;
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

// The locale of that name ("it_IT", "en_US", "C"), or none when Qt does
// not know the language.
inline std::optional<QLocale> localeNamed(std::string_view name) {
  const QString n = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
  QLocale l(n);
  if (l.language() == QLocale::C && n != "C" && n != "POSIX") return std::nullopt;
  return l;
}

}  // namespace vm
