// SPDX-License-Identifier: GPL-3.0-or-later
#include "help_window/help_text.h"

#include <QCoreApplication>

namespace help_window {

namespace {

// The source text, one entry a printed line, with a note for translators naming the line.
// The leading ideographic spaces indent the paragraphs; the trailing blanks are part of the
// text as well.
struct Line {
    const char* text;
    const char* note;
};

const std::array<Line, kHelpLines>& lines() {
    static const std::array<Line, kHelpLines> all = {{
        {"", "line 1"},
        QT_TRANSLATE_NOOP3("HelpText", "　【Problem】", "line 2"),
        QT_TRANSLATE_NOOP3(
            "HelpText",
            "　　　　　　Throw two large and small dice at the same time and think about how the",
            "line 3"),
        QT_TRANSLATE_NOOP3("HelpText", "　　　　　dice roll.", "line 4"),
        QT_TRANSLATE_NOOP3(
            "HelpText",
            "　　　　　　Assuming that the two dice are large and small , respectively , there are",
            "line 5"),
        QT_TRANSLATE_NOOP3("HelpText",
                           "　　　　　36 ways to roll the dice : "
                           "1・1、1・2、1・3、1・4、1・5、1・6、2・1、2・2、2・3、",
                           "line 6"),
        QT_TRANSLATE_NOOP3("HelpText",
                           "　　　　　2・4、2・5、2・6、3・1、3・2、3・3、3・4、3・5、3・6、4・1、4"
                           "・2、4・3、4・4、4・5、",
                           "line 7"),
        QT_TRANSLATE_NOOP3("HelpText",
                           "　　　　　4・6、5・1、5・2、5・3、5・4、5・5、5・6、6・1、6・2、6・3、6"
                           "・4、6・5、6・6.",
                           "line 8"),
        QT_TRANSLATE_NOOP3("HelpText",
                           "　　　　　　In addition , there are nine ways in which the product of "
                           "two dice , large  ",
                           "line 9"),
        QT_TRANSLATE_NOOP3("HelpText",
                           "　　　　　and small becomes an odd number : "
                           "1・1、1・3、1・5、3・1、3・3、3・5、5・1、",
                           "line 10"),
        QT_TRANSLATE_NOOP3("HelpText", "　　　　　5・3、5・5.", "line 11"),
        QT_TRANSLATE_NOOP3("HelpText",
                           "　　　　　　That is , the probability that the product of two dice , "
                           "large and small ,",
                           "line 12"),
        QT_TRANSLATE_NOOP3(
            "HelpText",
            "　　　　　becomes an odd number is mathematically 9/36 , which is reduced to 1/4.",
            "line 13"),
        QT_TRANSLATE_NOOP3(
            "HelpText",
            "　　　　　　However , in reality , if you throw two dice at the same time 4 times , ",
            "line 14"),
        QT_TRANSLATE_NOOP3("HelpText",
                           "　　　　　the product of the two dice will not always be odd once.",
                           "line 15"),
        QT_TRANSLATE_NOOP3(
            "HelpText",
            "　　　　　　Then , what is the relationship with 1/4 of the theoretical probability ",
            "line 16"),
        QT_TRANSLATE_NOOP3("HelpText", "　　　　　obtained mathematically ?", "line 17"),
        {"", "line 18"},
        QT_TRANSLATE_NOOP3("HelpText", "　【Operation method】", "line 19"),
        QT_TRANSLATE_NOOP3(
            "HelpText",
            "　　　　　　To experiment manually , click the [Throw the dice] button , and the",
            "line 20"),
        QT_TRANSLATE_NOOP3("HelpText", "　　　　　[Stop the dice] button.", "line 21"),
        QT_TRANSLATE_NOOP3(
            "HelpText",
            "　　　　　　To experiment automatically , click the [Automatic] button , and the",
            "line 22"),
        QT_TRANSLATE_NOOP3("HelpText", "　　　　　[Stop] button.", "line 23"),
        QT_TRANSLATE_NOOP3(
            "HelpText",
            "　　　　　　When you click the [Graph display] button , the relationship between ",
            "line 24"),
        QT_TRANSLATE_NOOP3(
            "HelpText",
            "　　　　　the number of experiments and the rate at which the product becomes an ",
            "line 25"),
        QT_TRANSLATE_NOOP3("HelpText", "　　　　　odd number is displayed in a graph.", "line 26"),
        QT_TRANSLATE_NOOP3(
            "HelpText",
            "　　　　　　Click the [Init] button to restart the experiment from the beginning.",
            "line 27"),
    }};
    return all;
}

}  // namespace

const char* sourceLine(int index) {
    return lines().at(static_cast<std::size_t>(index)).text;
}

QStringList helpText() {
    QStringList text;
    for (const Line& line : lines()) {
        text << (*line.text == '\0'
                     ? QString()
                     : QCoreApplication::translate("HelpText", line.text, line.note));
    }
    return text;
}

}  // namespace help_window
