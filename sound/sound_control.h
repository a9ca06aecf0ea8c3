// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLibrary>
#include <QString>
#include <memory>

namespace sound {

// A sound control driven by commands, as a window holds one hidden. Every command returns at
// once; none waits for a sound to end, and none reports a failure: a chime that cannot sound
// simply stays silent.
class SoundControl {
public:
    virtual ~SoundControl() = default;
    virtual void stop() = 0;
    virtual void close() = 0;
    virtual void setFileName(const QString& fileName) = 0;
    virtual void open() = 0;
    virtual void sound() = 0;
};

// A chime from the start: whatever plays is stopped and closed, then the file is opened and
// sounded.
void playChime(SoundControl& control, const QString& fileName);

// The sound control of the module that plays chimes, loaded when the first chime needs it:
// the program starts without the sound libraries. The module is looked for beside the program,
// then in the installed library folder; where it cannot be loaded, the chimes are silent.
class ModuleSoundControl final : public SoundControl {
public:
    ModuleSoundControl();
    ~ModuleSoundControl() override;
    ModuleSoundControl(const ModuleSoundControl&) = delete;
    ModuleSoundControl& operator=(const ModuleSoundControl&) = delete;

    void stop() override;
    void close() override;
    void setFileName(const QString& fileName) override;
    void open() override;
    void sound() override;

    // Whether the module was loaded (by the first "open").
    [[nodiscard]] bool loaded() const { return module_ != nullptr; }

private:
    QLibrary library_;
    bool tried_ = false;
    // The library is never unloaded, so the control's code outlives it.
    std::unique_ptr<SoundControl> module_;
    QString fileName_;
};

// The name a sound module gives its one entry point, which creates its control.
inline constexpr char kSoundModuleEntry[] = "pellorinCreateSoundControl";

}  // namespace sound
