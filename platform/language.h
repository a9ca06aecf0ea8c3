// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QLocale>
#include <QTranslator>

namespace platform {

// The program's texts, and Qt's own (the notice's OK button), in a language, for as long as
// the object lives. A language without a translation, or a translation that cannot be read,
// leaves the texts in English.
class Translation {
public:
    explicit Translation(const QLocale& locale);
    ~Translation();
    Translation(const Translation&) = delete;
    Translation& operator=(const Translation&) = delete;

    [[nodiscard]] bool loaded() const { return !program_.isEmpty(); }

private:
    QTranslator program_;
    QTranslator qt_;
};

// A date as a page shows it, in the language of the program's texts (which can differ from
// the locale's: LANGUAGE=ja with an English LANG).
QString dateText(const QDate& date);

// A file name that names the minute it is suggested in, such as
// pellorin-throws-2026-12-08-1034.csv, so that pupils saving into one class folder are offered
// different names.
QString timeStampedName(const QString& stem, const QString& suffix);

}  // namespace platform
