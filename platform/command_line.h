// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

class QCoreApplication;

namespace platform {

// Answers --help, --help-all and --version on standard output, in the user's language, and
// ends the process there. It runs before the application opens a display, so that it answers
// where there is none; where there is none and a window is asked for, it says what is wrong
// with the command line, or that a window needs a display, and ends the process with status 1
// or 2 (instead of the abort of an application that finds no display).
void answerWithoutWindow(int& argc, char** argv);

// Before the application starts: a class page written by the command line (--page) needs no
// display, and gets none.
void workWithoutDisplayForPages(int argc, char** argv);

// What the command line asks for besides the experiment window.
struct ClassRequest {
    bool classView = false;  // --class: the class view instead of the experiment window
    QStringList files;       // its files of throws
    QString page;            // --page OUT.pdf: the class's page written there, without a window
};

// The class view and page asked for, if any. Ends the process with a message when an option is
// neither the program's nor Qt's (Qt's own, -platform and the rest, the application has taken
// already), or files or --page come without --class.
ClassRequest readCommandLine(const QCoreApplication& application);

}  // namespace platform
