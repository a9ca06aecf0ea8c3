// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "sound_control.h"

namespace {

// Runs the test in a scratch working directory.
class SoundControlTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(scratch_.isValid());
        previous_ = QDir::currentPath();
        QDir::setCurrent(scratch_.path());
    }
    void TearDown() override { QDir::setCurrent(previous_); }

    static void writeFile(const QString& name, const QByteArray& bytes) {
        QFile file(name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QTemporaryDir scratch_;
    QString previous_;
};

TEST_F(SoundControlTest, FindsAChimeInTheWorkingDirectoryFirst) {
    writeFile(QStringLiteral("pinpon.wav"), "RIFF");
    EXPECT_EQ(platform::findSoundFile(QStringLiteral("pinpon.wav")),
              QDir(scratch_.path()).absoluteFilePath(QStringLiteral("pinpon.wav")));
}

TEST_F(SoundControlTest, AMissingChimeIsFoundNowhere) {
    EXPECT_TRUE(platform::findSoundFile(QStringLiteral("no-such-chime.wav")).isEmpty());
}

// A chime that cannot sound must cost nothing: every command returns at once.
TEST_F(SoundControlTest, MissingOrBrokenFilesStaySilentAndReturnAtOnce) {
    writeFile(QStringLiteral("broken.wav"), "this is not a wave file");
    platform::EffectSoundControl control;
    qint64 commandTime = 0;
    for (const QString& name : {QStringLiteral("missing.wav"), QStringLiteral("broken.wav"),
                                QStringLiteral("missing.wav")}) {
        QElapsedTimer elapsed;
        elapsed.start();
        control.stop();
        control.close();
        control.setFileName(name);
        control.open();
        control.sound();
        commandTime += elapsed.elapsed();
        // Qt loads samples on a thread of its own; a sample dropped while that thread still
        // holds it is never freed before exit. Between two chimes a user always gives it time.
        QTest::qWait(200);
    }
    control.stop();
    control.close();
    EXPECT_LT(commandTime, 5000);
}

}  // namespace
