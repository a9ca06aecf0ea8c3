// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/sound_control.h"

#include <QCoreApplication>
#include <QDir>

namespace sound {

void playChime(SoundControl& control, const QString& fileName) {
    control.stop();
    control.close();
    control.setFileName(fileName);
    control.open();
    control.sound();
}

ModuleSoundControl::ModuleSoundControl() = default;

ModuleSoundControl::~ModuleSoundControl() = default;

void ModuleSoundControl::stop() {
    if (module_ != nullptr) {
        module_->stop();
    }
}

void ModuleSoundControl::close() {
    if (module_ != nullptr) {
        module_->close();
    }
}

void ModuleSoundControl::setFileName(const QString& fileName) {
    fileName_ = fileName;
}

void ModuleSoundControl::open() {
    if (!tried_) {
        tried_ = true;
        const QString programDir = QCoreApplication::applicationDirPath();
        for (const QString& folder :
             {programDir, programDir + QStringLiteral("/../" PELLORIN_MODULE_FOLDER)}) {
            library_.setFileName(QDir(folder).filePath(QStringLiteral("pellorin_sound")));
            using Create = SoundControl* (*)();
            if (auto create = reinterpret_cast<Create>(library_.resolve(kSoundModuleEntry))) {
                module_.reset(create());
                break;
            }
        }
    }
    if (module_ != nullptr) {
        module_->setFileName(fileName_);
        module_->open();
    }
}

void ModuleSoundControl::sound() {
    if (module_ != nullptr) {
        module_->sound();
    }
}

}  // namespace sound
