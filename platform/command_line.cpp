// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLocale>
#include <cstring>

#include "language.h"

namespace platform {

namespace {

// Qt's own words for its standard options, which Qt's Japanese translation lacks: the
// program's catalogue carries them.
[[maybe_unused]] const char* const kQtOptionTexts[] = {
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help on commandline options."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help including Qt specific options.")};

void parse(QCommandLineParser& parser, const QCoreApplication& application) {
    parser.setApplicationDescription(QCoreApplication::translate(
        "platform",
        "A probability experiment with two dice: how often is the product of "
        "their faces odd?"));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.process(application);
}

}  // namespace

void answerInformationOptions(int& argc, char** argv) {
    bool asked = false;
    for (int i = 1; i < argc; ++i) {
        for (const char* option : {"-h", "--help", "-help", "--help-all", "-v", "--version"}) {
            asked = asked || std::strcmp(argv[i], option) == 0;
        }
    }
    if (asked) {
        // An application of its own, on no display, lists Qt's options with --help-all; the
        // answer is all it prints, without Qt's notes about the session it finds.
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
        qputenv("QT_QPA_PLATFORM", "offscreen");
        const QApplication application(argc, argv);
        const Translation translation(QLocale::system());
        QCommandLineParser parser;
        parse(parser, application);
    }
}

void refuseUnknownOptions(const QCoreApplication& application) {
    QCommandLineParser parser;
    parse(parser, application);
}

}  // namespace platform
