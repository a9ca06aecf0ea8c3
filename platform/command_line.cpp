// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace platform {

void processCommandLine(const QCoreApplication& application) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "platform",
        "A probability experiment with two dice: how often is the product of "
        "their faces odd?"));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.process(application);
}

}  // namespace platform
