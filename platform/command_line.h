// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QCoreApplication;

namespace platform {

// Answers --help and --version and ends the process there; any other option of the program's
// own is an error that ends it too. Qt's own options (-platform, -style, ...) have been taken
// by the application already.
void processCommandLine(const QCoreApplication& application);

}  // namespace platform
