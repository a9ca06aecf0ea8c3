// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

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

}  // namespace platform
