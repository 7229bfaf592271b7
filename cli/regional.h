#pragma once
// The user's regional number format, as the system settings (or a locale
// named on the driver's command line) give it. Needs QtCore only.
#include <QLocale>
#include <QString>
#include <optional>
#include <string_view>

#include "framework/numbers.h"

namespace vm {

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

// The locale of that name ("it_IT", "en_US", "C"), or none when Qt does
// not know the language.
inline std::optional<QLocale> localeNamed(std::string_view name) {
  const QString n = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
  QLocale l(n);
  if (l.language() == QLocale::C && n != "C" && n != "POSIX") return std::nullopt;
  return l;
}

}  // namespace vm
