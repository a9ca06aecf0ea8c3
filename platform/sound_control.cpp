// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound_control.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

namespace platform {

QString findSoundFile(const QString& fileName) {
    const QString programDir = QCoreApplication::applicationDirPath();
    const QStringList places = {QDir::currentPath(),
                                programDir + QStringLiteral("/../share/pellorin"), programDir};
    for (const QString& place : places) {
        const QFileInfo candidate(QDir(place), fileName);
        if (candidate.isFile()) {
            return candidate.absoluteFilePath();
        }
    }
    return {};
}

EffectSoundControl::EffectSoundControl() = default;
EffectSoundControl::~EffectSoundControl() = default;

void EffectSoundControl::stop() {
    if (effect_) {
        effect_->stop();
    }
}

void EffectSoundControl::close() {
    effect_.reset();
}

void EffectSoundControl::setFileName(const QString& fileName) {
    fileName_ = fileName;
}

void EffectSoundControl::open() {
    effect_.reset();
    const QString path = findSoundFile(fileName_);
    if (path.isEmpty()) {
        return;
    }
    effect_ = std::make_unique<QSoundEffect>();
    effect_->setSource(QUrl::fromLocalFile(path));
}

void EffectSoundControl::sound() {
    // The effect loads on its own; play() queues the sound until it is ready, and a file
    // that cannot be decoded or a missing audio device leave it silent.
    if (effect_) {
        effect_->play();
    }
}

}  // namespace platform
