// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QCoreApplication;

namespace platform {

// Answers --help, --help-all and --version on standard output, in the user's language, and
// ends the process there. It runs before the application opens a display, so that it answers
// where there is none.
void answerInformationOptions(int& argc, char** argv);

// Ends the process with a message when an option is neither the program's nor Qt's (Qt's own,
// -platform and the rest, the application has taken already).
void refuseUnknownOptions(const QCoreApplication& application);

}  // namespace platform
