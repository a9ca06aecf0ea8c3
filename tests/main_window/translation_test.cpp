// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAccessible>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>

#include "main_window/experiment_results.h"
#include "platform/language.h"
#include "support/files.h"
#include "support/golden.h"
#include "support/pdf.h"
#include "support/window_harness.h"
#include "take_away/take_away.h"

namespace {

// Every caption, title, tooltip and what a screen reader reads (name and description) of the
// three windows, by control id, once all three are open after a quarter of odd products: as
// in the golden.
void openAll(const WindowHarness& harness, const QString& golden) {
    harness.start();
    for (const auto& [large, small] : {std::pair{1, 1}, {2, 2}, {4, 3}, {6, 5}}) {
        harness.throwManually(large, small);
    }
    harness.window->showHelp();
    harness.window->showGraph();
    harness.window->graphWindow()->onActivated();
    harness.window->helpWindow()->onActivated();
    std::map<QString, QString> texts;
    for (QWidget* window : std::initializer_list<QWidget*>{
             harness.window.get(), harness.window->graphWindow(), harness.window->helpWindow()}) {
        texts[window->objectName()] = window->windowTitle();
        for (QWidget* control : window->findChildren<QWidget*>()) {
            const QString id = window->objectName() + "." + control->objectName();
            const QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(control);
            texts[id] = control->property("text").toString();
            texts[id + " tip"] = control->toolTip();
            texts[id + " name"] = spoken->text(QAccessible::Name);
            texts[id + " description"] = spoken->text(QAccessible::Description);
        }
    }
    QString lines;
    for (const auto& [id, text] : texts) {
        lines += text.isEmpty() ? "" : id + ": " + QString(text).replace('\n', "\\n") + "\n";
    }
    expectGolden(lines, golden);
}

// Every text, in English and in Japanese, is as reviewed (a text that bypasses the
// translation shows there in English); the windows are as reviewed, every text whole.
TEST(Translation, JapaneseTranslatesEveryText) {
    openAll(WindowHarness(), "texts-en.txt");
    const platform::Translation japanese(QLocale(QLocale::Japanese, QLocale::Japan));
    ASSERT_TRUE(japanese.loaded());
    const WindowHarness harness;
    openAll(harness, "texts-ja.txt");
    // Qt's own words on the file dialogs and questions come from Qt's Japanese.
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Save"), "保存");
    expectGolden(windowPicture(harness.window->graphWindow()), QStringLiteral("graph-ja"));
    expectGolden(windowPicture(harness.window->helpWindow()), QStringLiteral("help-window-ja"));
    harness.window->graphWindow()->close();
    expectGolden(windowPicture(harness.window.get()), QStringLiteral("experiment-ja"));
    // Taken away in Japanese too: the copied table (text and HTML) and the page's words.
    QTest::keySequence(harness.window.get(), QKeySequence::Copy);
    const QTemporaryDir folder;
    const QString page = folder.filePath("page.pdf");
    write(page, take_away::documentPdf(harness.window->results()->page()));
    expectGolden(copiedText() + copiedHtml() +
                     pdfText(page).replace(platform::dateText(QDate::currentDate()), "TODAY"),
                 "taken-away-ja.txt");
    harness.dialog->opened = {folder.filePath("gone.csv")};  // and a refusal's notice
    harness.window->results()->openThrows();
    EXPECT_EQ(harness.notice->shown.back().text,
              folder.filePath("gone.csv") + " を開けませんでした（ファイルがもうありません。）");
    // Menus and tooltips are drawn in the windows' face.
    const QString face = QFontInfo(harness.button(Button::Exit)->font()).family();
    EXPECT_EQ(QFontInfo(harness.window->findChild<QMenu*>()->font()).family(), face);
    EXPECT_EQ(QFontInfo(QToolTip::font()).family(), face);
}

}  // namespace
