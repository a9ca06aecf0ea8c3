// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <chrono>
#include <cstdio>
#include <future>
#include <thread>

#include "sound_control.h"

namespace {

// Ends the test program if the guarded code takes longer than its limit: a hang fails loudly.
class Watchdog {
public:
    explicit Watchdog(std::chrono::milliseconds limit)
        : thread_([limit, done = done_.get_future()] {
              if (done.wait_for(limit) == std::future_status::timeout) {
                  std::fprintf(stderr, "watchdog: still running after %lld ms\n",
                               static_cast<long long>(limit.count()));
                  std::_Exit(3);
              }
          }) {}
    ~Watchdog() {
        done_.set_value();
        thread_.join();
    }
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;

private:
    std::promise<void> done_;
    std::thread thread_;
};

// A PCM WAV file: a 44-byte header and `frames` frames of a quiet ramp. The fields a case
// damages are parameters.
struct Wave {
    quint16 formatCode = 1;
    quint16 channels = 1;
    quint32 rate = 22050;
    quint32 frames = 400;
    std::optional<quint32> declaredData;

    [[nodiscard]] QByteArray bytes() const {
        const quint32 dataBytes = frames * channels * 2;
        QByteArray out;
        const auto put = [&out](auto value) {
            const auto little = qToLittleEndian(value);
            out.append(reinterpret_cast<const char*>(&little), sizeof little);
        };
        out += "RIFF";
        put(quint32{36 + dataBytes});
        out += "WAVEfmt ";
        put(quint32{16});
        put(formatCode);
        put(channels);
        put(rate);
        put(rate * channels * 2U);
        put(static_cast<quint16>(channels * 2));
        put(quint16{16});
        out += "data";
        put(declaredData.value_or(dataBytes));
        for (quint32 i = 0; i < frames * channels; ++i) {
            put(static_cast<qint16>(i * 7));
        }
        return out;
    }
};

class SoundControlTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(scratch_.isValid());
        previous_ = QDir::currentPath();
        QDir::setCurrent(scratch_.path());
    }
    void TearDown() override { QDir::setCurrent(previous_); }

    static void write(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QTemporaryDir scratch_;
    QString previous_;
};

struct Hostile {
    const char* name;
    QByteArray bytes;
};

void PrintTo(const Hostile& hostile, std::ostream* os) {
    *os << hostile.name;
}

class HostileChime : public SoundControlTest, public ::testing::WithParamInterface<Hostile> {};

// Each file is refused by the reader and leaves the control silent; the chime sequence and
// destroying the control both return at once.
TEST_P(HostileChime, IsRefusedAtOnceAndTheControlStillEndsAtOnce) {
    write(QStringLiteral("pinpon.wav"), GetParam().bytes);
    EXPECT_FALSE(platform::readChime(QStringLiteral("pinpon.wav")).has_value());
    const Watchdog watchdog(std::chrono::seconds(1));
    auto control = std::make_unique<platform::SinkSoundControl>();
    control->setFileName(QStringLiteral("pinpon.wav"));
    control->open();
    control->sound();
    EXPECT_FALSE(control->openedChime().has_value());
    control.reset();
}

Hostile withField(const char* name, Wave wave) {
    return {name, wave.bytes()};
}

Hostile truncated(const char* name, int length) {
    return {name, Wave{}.bytes().left(length)};
}

INSTANTIATE_TEST_SUITE_P(
    Chimes, HostileChime,
    ::testing::Values(
        Hostile{"Empty", {}}, truncated("InTheRiffHeader", 6), truncated("AfterWave", 12),
        truncated("InTheFormatChunk", 28), truncated("BeforeTheDataChunk", 36),
        truncated("InTheDataChunkHeader", 40), truncated("InTheData", 444),
        withField("DataLargerThanTheFile", Wave{1, 1, 22050, 400, 900}),
        withField("DataSize7fffffff", Wave{1, 1, 22050, 400, 0x7fffffffU}),
        withField("DataSizeffffffff", Wave{1, 1, 22050, 400, 0xffffffffU}),
        withField("NoChannels", Wave{1, 0, 22050, 400, {}}),
        withField("RateZero", Wave{1, 1, 0, 400, {}}),
        withField("ManyChannels", Wave{1, 65535, 22050, 1, {}}),
        withField("NotPcm", Wave{0x55, 1, 22050, 400, {}}),
        withField("NoFrames", Wave{1, 1, 22050, 0, {}})),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SoundControlTest, AWellFormedChimeDecodesToItsSamples) {
    const Wave wave{1, 2, 44100, 300, {}};
    write(QStringLiteral("stereo.wav"), wave.bytes());
    const auto chime = platform::readChime(QStringLiteral("stereo.wav"));
    ASSERT_TRUE(chime.has_value());
    EXPECT_EQ(chime->channels, 2);
    EXPECT_EQ(chime->sampleRate, 44100);
    ASSERT_EQ(chime->frames(), 300U);
    EXPECT_EQ(chime->samples.at(599), static_cast<qint16>(599 * 7));
}

// Special files and oversized files are refused before anything is read: a FIFO would block.
TEST_F(SoundControlTest, SpecialAndOversizedFilesAreRefusedWithoutBlocking) {
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("folder.wav")));
    ASSERT_EQ(::mkfifo("fifo.wav", 0600), 0);
    write(QStringLiteral("huge.wav"), QByteArray(platform::kLargestChimeFile + 1, '\0'));
    const Watchdog watchdog(std::chrono::seconds(1));
    for (const char* name : {"folder.wav", "fifo.wav", "huge.wav", "missing.wav"}) {
        EXPECT_FALSE(platform::readChime(QString::fromUtf8(name)).has_value()) << name;
    }
}

TEST_F(SoundControlTest, AnUnreadableFileIsRefused) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root reads every file";
    }
    write(QStringLiteral("locked.wav"), Wave{}.bytes());
    ASSERT_EQ(::chmod("locked.wav", 0), 0);
    EXPECT_FALSE(platform::readChime(QStringLiteral("locked.wav")).has_value());
}

// The file is read afresh at each chime: one repaired since the last chime plays.
TEST_F(SoundControlTest, ARepairedFilePlaysAtTheNextChime) {
    platform::SinkSoundControl control;
    control.setFileName(QStringLiteral("pinpon.wav"));
    write(QStringLiteral("pinpon.wav"), Wave{}.bytes().left(40));
    control.open();
    EXPECT_FALSE(control.openedChime().has_value());
    write(QStringLiteral("pinpon.wav"), Wave{}.bytes());
    control.close();
    control.open();
    EXPECT_TRUE(control.openedChime().has_value());
}

// Working directory, then the installed data folder, then beside the program: each place is
// marked by its own sample rate.
TEST_F(SoundControlTest, LooksInTheWorkingDirectoryThenTheDataFolderThenBesideTheProgram) {
    const QString name = QStringLiteral("lookup-order-test.wav");
    const QDir program(QCoreApplication::applicationDirPath());
    ASSERT_TRUE(program.mkpath(QStringLiteral("../share/pellorin")));
    const std::vector<std::pair<QString, quint32>> places = {
        {QDir::current().filePath(name), 8000},
        {program.filePath(QStringLiteral("../share/pellorin/") + name), 16000},
        {program.filePath(name), 32000}};
    for (const auto& [path, rate] : places) {
        write(path, Wave{1, 1, rate, 10, {}}.bytes());
    }
    platform::SinkSoundControl control;
    control.setFileName(name);
    for (const auto& [path, rate] : places) {
        control.open();
        ASSERT_TRUE(control.openedChime().has_value()) << path.toStdString();
        EXPECT_EQ(control.openedChime()->sampleRate, static_cast<int>(rate));
        QFile::remove(path);
    }
    control.open();
    EXPECT_FALSE(control.openedChime().has_value());
}

}  // namespace
