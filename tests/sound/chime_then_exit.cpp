// SPDX-License-Identifier: GPL-3.0-or-later
// Sounds a chime through the program's sound module, then ends at a random moment while it
// plays, as the program ends after "Exit". The sound tests run it many times.
#include <QCoreApplication>
#include <QRandomGenerator>
#include <QTimer>

#include "sound/sound_control.h"

int main(int argc, char* argv[]) {
    const QCoreApplication application(argc, argv);
    sound::ModuleSoundControl sound;
    sound.setFileName(QCoreApplication::arguments().value(1));
    sound.open();
    sound.sound();
    QTimer::singleShot(QRandomGenerator::global()->bounded(300), &application,
                       &QCoreApplication::quit);
    return QCoreApplication::exec();
}
