// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAccessible>
#include <QFontMetrics>
#include <QRegularExpression>

#include "language.h"
#include "support/golden.h"
#include "support/window_harness.h"

namespace {

// Every caption, title, tooltip and what a screen reader reads (name and description) of the
// three windows, by control id, once all three are open after a quarter of odd products; and
// the captions wider than their control at the design face.
std::map<QString, QString> openAll(const WindowHarness& harness, QStringList* tooWide) {
    harness.start();
    for (const auto& [large, small] : {std::pair{1, 1}, {2, 2}, {4, 3}, {6, 5}}) {
        harness.throwManually(large, small);
    }
    harness.window->showHelp();
    harness.window->showGraph();
    std::map<QString, QString> texts;
    for (QWidget* window : std::initializer_list<QWidget*>{
             harness.window.get(), harness.window->graphWindow(), harness.window->helpWindow()}) {
        texts[window->objectName()] = window->windowTitle();
        for (QWidget* control : window->findChildren<QWidget*>()) {
            auto* button = qobject_cast<QPushButton*>(control);
            auto* label = qobject_cast<QLabel*>(control);
            const QString text = button ? button->text() : (label ? label->text() : QString());
            const QString id = window->objectName() + "." + control->objectName();
            texts[id] = text;
            texts[id + " tip"] = control->toolTip();
            const QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(control);
            texts[id + " name"] = spoken->text(QAccessible::Name);
            texts[id + " description"] = spoken->text(QAccessible::Description);
            if (QFontMetrics(control->font()).horizontalAdvance(text) >
                control->contentsRect().width()) {
                *tooWide << control->objectName() + " " + text;
            }
        }
    }
    return texts;
}

// In Japanese every text is translated (names and numerals aside) and fits its control; the
// numbers keep their form; the windows are as reviewed.
TEST(Translation, JapaneseTranslatesEveryTextAndEachFits) {
    QStringList tooWide;
    const auto english = openAll(WindowHarness(), &tooWide);
    const platform::Translation japanese(QLocale(QLocale::Japanese, QLocale::Japan));
    ASSERT_TRUE(japanese.loaded());
    const WindowHarness harness;
    const auto translated = openAll(harness, &tooWide);
    EXPECT_TRUE(tooWide.isEmpty()) << tooWide.join(", ");
    ASSERT_EQ(translated.size(), english.size());
    const QRegularExpression unchanged(QStringLiteral("^([０-９]|Pellorin( \\(C\\).*)?|[0-9.]*)$"));
    // Every cell, header and value reads as what it is, with what it shows.
    for (const controls::Control& control : controls::experimentWindowControls()) {
        if (control.kind != controls::Kind::Label) {
            continue;
        }
        const QString id = "Form1." + QString::fromStdString(control.id);
        const QString expected =
            control.large > 0 ? QString("Large %1, small %2: %3")
                                    .arg(control.large)
                                    .arg(control.small)
                                    .arg(english.at(id))
            : control.header > 0 ? (control.place.left == 120 ? "Large die " : "Small die ") +
                                       QString::number(control.header)
            : control.value != Value::None ? QString(control.description) + ": " + english.at(id)
                                           : english.at(id + " name");
        EXPECT_EQ(english.at(id + " name"), expected) << id;
    }
    for (const auto& [id, text] : english) {
        EXPECT_TRUE(translated.at(id) != text || unchanged.match(text).hasMatch())
            << id << ": " << text;
    }
    EXPECT_EQ(harness.value(Value::Ratio), "0.250");
    // Qt's own words on the save dialog and its question come from Qt's Japanese.
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Save"), "保存");
    harness.window->graphWindow()->onActivated();
    harness.window->helpWindow()->onActivated();
    expectGolden(windowPicture(harness.window->graphWindow()), QStringLiteral("graph-ja"));
    expectGolden(windowPicture(harness.window->helpWindow()), QStringLiteral("help-window-ja"));
    harness.window->graphWindow()->close();
    expectGolden(windowPicture(harness.window.get()), QStringLiteral("experiment-ja"));
}

// A language without a translation leaves the program exactly as it is in English.
TEST(Translation, AnUntranslatedLanguageLeavesEveryTextInEnglish) {
    const platform::Translation german(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_FALSE(german.loaded());
    const WindowHarness harness;
    harness.start();
    expectGolden(windowPicture(harness.window.get()), QStringLiteral("experiment-start"));
}

}  // namespace
