// SPDX-License-Identifier: GPL-3.0-or-later
#include "language.h"

#include <QCoreApplication>
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

}  // namespace platform
