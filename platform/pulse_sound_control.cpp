// SPDX-License-Identifier: GPL-3.0-or-later
#include "sink_sound_control.h"

#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>

namespace platform {

SinkSoundControl::SinkSoundControl() = default;

SinkSoundControl::~SinkSoundControl() {
    close();
}

void SinkSoundControl::stop() {
    if (sink_) {
        sink_->stop();
    }
}

void SinkSoundControl::close() {
    sink_.reset();
    buffer_.reset();
    chime_.reset();
}

void SinkSoundControl::setFileName(const QString& fileName) {
    fileName_ = fileName;
}

void SinkSoundControl::open() {
    close();
    const QString path = findSoundFile(fileName_);
    if (!path.isEmpty()) {
        chime_ = readChime(path);
    }
}

void SinkSoundControl::sound() {
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (!chime_ || device.isNull()) {
        return;
    }
    QAudioFormat format;
    format.setSampleRate(chime_->sampleRate);
    format.setChannelCount(chime_->channels);
    format.setSampleFormat(QAudioFormat::Int16);
    if (!device.isFormatSupported(format)) {
        return;
    }
    sink_.reset();
    buffer_ = std::make_unique<QBuffer>();
    buffer_->setData(reinterpret_cast<const char*>(chime_->samples.data()),
                     static_cast<int>(chime_->samples.size() * sizeof(std::int16_t)));
    buffer_->open(QIODevice::ReadOnly);
    sink_ = std::make_unique<QAudioSink>(device, format);
    sink_->start(buffer_.get());
}

}  // namespace platform

// The module's one entry point.
extern "C" Q_DECL_EXPORT platform::SoundControl* pellorinCreateSoundControl() {
    return new platform::SinkSoundControl();
}
