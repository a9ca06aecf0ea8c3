#include "form1_services.h"

#include <QCoreApplication>

#include "mixing_generator.h"
#include "system_clock.h"

Form1Services systemServices() {
    return {std::make_unique<platform::SystemClock>(),
            std::make_unique<experiment::MixingGenerator>(),
            std::make_unique<platform::EffectSoundControl>(),
            std::make_unique<platform::MessageNoticeBox>(), [] { QCoreApplication::exit(0); }};
}
