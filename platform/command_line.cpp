// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/command_line.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/language.h"

namespace platform {

namespace {

// Qt's own words for its standard options, which Qt's Japanese translation lacks: the
// program's catalogue carries them.
[[maybe_unused]] const char* const kQtOptionTexts[] = {
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help on commandline options."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help including Qt specific options.")};

const char* const kPageOption = "page";

void parse(QCommandLineParser& parser, const QCoreApplication& application) {
    parser.setApplicationDescription(QCoreApplication::translate(
        "platform",
        "A probability experiment with two dice: how often is the product of "
        "their faces odd?"));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption({QStringLiteral("class"),
                      QCoreApplication::translate(
                          "platform", "Show the class results of the files of throws given.")});
    parser.addOption(
        {QString::fromLatin1(kPageOption),
         QCoreApplication::translate("platform",
                                     "With --class: write the class page to <pdf> and end, "
                                     "without a window."),
         QStringLiteral("pdf")});
    //: the name of the command line's files in its help
    const QString files = QCoreApplication::translate("platform", "files");
    parser.addPositionalArgument(
        files,
        QCoreApplication::translate("platform", "With --class: files of throws, one a pupil."),
        QStringLiteral("[%1...]").arg(files));
    parser.process(application);
}

}  // namespace

void answerWithoutWindow(int& argc, char** argv) {
    bool asked = false;
    bool pages = false;
    for (int i = 1; i < argc; ++i) {
        for (const char* option : {"-h", "--help", "-help", "--help-all", "-v", "--version"}) {
            asked = asked || std::strcmp(argv[i], option) == 0;
        }
        pages = pages || std::strcmp(argv[i], "--page") == 0 ||
                std::strncmp(argv[i], "--page=", 7) == 0;
    }
    const bool noDisplay = qEnvironmentVariableIsEmpty("DISPLAY") &&
                           qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
                           qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
    if (!asked && !(noDisplay && !pages)) {
        return;
    }
    // An application of its own, on no display, lists Qt's options with --help-all; the
    // answer is all it prints, without Qt's notes about the session it finds.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QApplication application(argc, argv);
    const Translation translation(QLocale::system());
    if (readCommandLine(application).page.isEmpty()) {
        //: on standard error, when the program is started where no window can be shown
        std::fputs(
            qPrintable(QCoreApplication::translate("platform",
                                                   "No display to show a window on: DISPLAY and "
                                                   "WAYLAND_DISPLAY are not set.\n")),
            stderr);
        std::exit(1);
    }
}

void workWithoutDisplayForPages(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--page") == 0 || std::strncmp(argv[i], "--page=", 7) == 0) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
    }
}

ClassRequest readCommandLine(const QCoreApplication& application) {
    QCommandLineParser parser;
    parse(parser, application);
    ClassRequest request{parser.isSet(QStringLiteral("class")), parser.positionalArguments(),
                         parser.value(kPageOption)};
    if (!request.classView && (!request.files.isEmpty() || parser.isSet(kPageOption))) {
        std::fputs(qPrintable(QCoreApplication::translate(
                       "platform", "Files and --page go with --class; see --help.\n")),
                   stderr);
        std::exit(2);
    }
    return request;
}

}  // namespace platform
