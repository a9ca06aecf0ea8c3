// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/language.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLibraryInfo>

namespace platform {

Translation::Translation(const QLocale& locale) {
    // The program's translations are built into it; Qt's come with Qt.
    if (program_.load(locale, QStringLiteral("pellorin"), QStringLiteral("_"),
                      QStringLiteral(":/i18n"))) {
        QCoreApplication::installTranslator(&program_);
        if (qt_.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QCoreApplication::installTranslator(&qt_);
        }
    }
}

Translation::~Translation() {
    QCoreApplication::removeTranslator(&qt_);
    QCoreApplication::removeTranslator(&program_);
}

QString dateText(const QDate& date) {
    //: the locale whose names of days and months the page's date uses
    const QLocale locale(QCoreApplication::translate("platform", "en_US"));
    //: the page's date, in the form of QDate::toString (dddd: the day's name)
    return locale.toString(date, QCoreApplication::translate("platform", "dddd, MMMM d, yyyy"));
}

QString timeStampedName(const QString& stem, const QString& suffix) {
    return stem + QDateTime::currentDateTime().toString(QStringLiteral("-yyyy-MM-dd-HHmm.")) +
           suffix;
}

}  // namespace platform
