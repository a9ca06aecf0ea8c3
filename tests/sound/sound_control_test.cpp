// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>

#include "pulse_sound_control.h"
#include "support/sound_server.h"

namespace {

// A 16-bit PCM WAV file of `frames` frames; a case damages the fields it names.
QByteArray wave(quint16 format = 1, quint16 channels = 1, quint32 rate = 22050,
                quint32 frames = 400, std::optional<quint32> declaredData = std::nullopt) {
    const quint32 data = frames * channels * 2;
    QByteArray out;
    const auto put = [&out](auto value) {
        const auto little = qToLittleEndian(value);
        out.append(reinterpret_cast<const char*>(&little), sizeof little);
    };
    out += "RIFF";
    put(quint32{36 + data});
    out += "WAVEfmt ";
    for (const quint32 field : {16U, format | static_cast<quint32>(channels) << 16U, rate,
                                rate * channels * 2U, channels * 2U | 16U << 16U}) {
        put(field);
    }
    out += "data";
    put(declaredData.value_or(data));
    for (quint32 i = 0; i < frames * channels; ++i) {
        put(static_cast<qint16>(i * 7));
    }
    return out;
}

// The same as RF64, whose sizes stand in a ds64 chunk: `dataSize` there, the 32-bit fields
// all ones.
QByteArray rf64(quint64 dataSize) {
    QByteArray out = wave();
    const QByteArray samples = out.mid(44);
    QByteArray ds64;
    const auto put = [&ds64](auto value) {
        const auto little = qToLittleEndian(value);
        ds64.append(reinterpret_cast<const char*>(&little), sizeof little);
    };
    put(quint64{dataSize + 72});
    put(dataSize);
    put(quint64{400});
    put(quint32{0});
    return "RF64\xff\xff\xff\xffWAVEds64" + QByteArray("\x1c\0\0\0", 4) + ds64 + out.mid(12, 24) +
           "data\xff\xff\xff\xff" + samples;
}

void write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

class SoundControlTest : public ::testing::Test {
protected:
    void SetUp() override { QDir::setCurrent(scratch_.path()); }
    void TearDown() override { QDir::setCurrent(previous_); }

    QString previous_ = QDir::currentPath();
    QTemporaryDir scratch_;
};

// Each damaged, forged or special file under a chime's name is refused: the chime sequence
// returns at once, nothing plays, and the control is destroyed within a second.
TEST_F(SoundControlTest, RefusesEveryDamagedFileAtOnce) {
    const QByteArray good = wave();
    const std::vector<std::pair<const char*, QByteArray>> hostile = {
        {"empty", {}},
        {"cut in the RIFF header", good.left(6)},
        {"cut after WAVE", good.left(12)},
        {"cut in the format chunk", good.left(28)},
        {"cut before the data chunk", good.left(36)},
        {"cut in the data chunk header", good.left(40)},
        {"cut in the data", good.left(444)},
        {"data larger than the file", wave(1, 1, 22050, 400, 900)},
        {"data size 0x7fffffff", wave(1, 1, 22050, 400, 0x7fffffffU)},
        {"data size 0xffffffff", wave(1, 1, 22050, 400, 0xffffffffU)},
        {"no channels", wave(1, 0)},
        {"rate 0", wave(1, 1, 0)},
        {"65535 channels", wave(1, 65535, 22050, 1)},
        {"not PCM", wave(0x55)},
        {"no frames", wave(1, 1, 22050, 0)},
        {"larger than a chime", QByteArray(sound::kLargestChimeFile + 1, '\0')},
        {"RF64, data size the largest", rf64(0x7fffffffffffffffULL)},
        {"RF64, data size just below the largest", rf64(0x7ffffffffffffff0ULL)},
        {"RF64, data size all ones", rf64(0xffffffffffffffffULL)},
        {"RF64, data size the smallest negative", rf64(0x8000000000000000ULL)}};
    // A hang ends in the test's time-out; anything slower than a second fails here.
    QElapsedTimer elapsed;
    for (const auto& [name, bytes] : hostile) {
        write(QStringLiteral("pinpon.wav"), bytes);
        elapsed.start();
        auto control = std::make_unique<sound::PulseSoundControl>();
        control->setFileName(QStringLiteral("pinpon.wav"));
        control->open();
        control->sound();
        EXPECT_FALSE(control->openedChime().has_value()) << name;
        control.reset();
        EXPECT_LT(elapsed.elapsed(), 1000) << name;
    }
    // A folder or a FIFO under the name: the reader refuses without blocking on the FIFO.
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("folder.wav")));
    ASSERT_EQ(::mkfifo("fifo.wav", 0600), 0);
    EXPECT_FALSE(sound::readChime(QStringLiteral("folder.wav")).has_value());
    EXPECT_FALSE(sound::readChime(QStringLiteral("fifo.wav")).has_value());
}

// The working directory, then the installed data folder, then beside the program, each
// place's file marked by its own rate; a damaged file is silent, a FIFO is passed over. The
// file is read afresh at each chime: one damaged at the last chime and repaired since plays,
// decoded to exactly its samples. The program plays
// through the module it loads at the first chime.
TEST_F(SoundControlTest, FindsAndReadsTheChimeAfreshAtEachChime) {
    const QString name = QStringLiteral("lookup-order-test.wav");
    const QDir program(QCoreApplication::applicationDirPath());
    ASSERT_TRUE(program.mkpath(QStringLiteral("../share/pellorin")));
    const std::vector<std::pair<QString, quint32>> places = {
        {QDir::current().filePath(name), 44100},
        {program.filePath(QStringLiteral("../share/pellorin/") + name), 16000},
        {program.filePath(name), 32000}};
    for (const auto& [path, rate] : places) {
        const QByteArray chime = wave(1, 2, rate, 300);
        write(path, path == places[0].first ? chime.left(40) : chime);
    }
    sound::PulseSoundControl control;
    control.setFileName(name);
    control.open();
    EXPECT_FALSE(control.openedChime().has_value());
    // Something that is not an ordinary file is passed over: the next place's chime plays.
    QFile::remove(places[0].first);
    ASSERT_EQ(::mkfifo(QFile::encodeName(places[0].first).constData(), 0600), 0);
    control.open();
    ASSERT_TRUE(control.openedChime().has_value());
    EXPECT_EQ(control.openedChime()->sampleRate, 16000);
    QFile::remove(places[0].first);
    write(places[0].first, wave(1, 2, 44100, 300));
    for (const auto& [path, rate] : places) {
        control.open();
        ASSERT_TRUE(control.openedChime().has_value()) << path.toStdString();
        EXPECT_EQ(control.openedChime()->sampleRate, static_cast<int>(rate));
        EXPECT_EQ(control.openedChime()->samples.at(599), static_cast<qint16>(599 * 7));
        QFile::remove(path);
    }
    control.open();
    EXPECT_FALSE(control.openedChime().has_value());
    sound::ModuleSoundControl module;
    EXPECT_FALSE(module.loaded());
    module.open();
    EXPECT_TRUE(module.loaded());
}

// A chime sounds exactly as its file holds it: the sound server's sink plays its samples
// unchanged. The server goes away and comes back seconds later, long after the chime's
// connection failed: the next chime plays again. Meanwhile a chime is silent, and no command
// waits for the server that is not there.
TEST_F(SoundControlTest, SoundsExactlyTheFileAndAgainAfterTheServerRestarts) {
    SoundServer server;
    ASSERT_TRUE(QFile::exists(server.socket()));
    // Half a second in the sink's own format, so that nothing is resampled; its last 0.3 s
    // must be heard bit for bit (the recorder may start a moment late).
    const QByteArray chime = wave(1, 2, 44100, 22050);
    const QByteArray tail = chime.right(13230 * 4);
    write(QStringLiteral("pinpon.wav"), chime);
    sound::PulseSoundControl control;
    const auto playChime = [&control] {
        control.stop();
        control.close();
        control.setFileName(QStringLiteral("pinpon.wav"));
        control.open();
        control.sound();
    };
    server.record();
    playChime();
    EXPECT_TRUE(server.heard(tail));
    server.stop();
    QElapsedTimer elapsed;
    elapsed.start();
    playChime();
    QThread::msleep(3500);
    playChime();
    EXPECT_LT(elapsed.elapsed(), 3500 + 600);
    ASSERT_TRUE(server.start());
    server.record();
    playChime();
    EXPECT_TRUE(server.heard(tail));
}

// The program ends while a chime plays, over and over: it always ends cleanly.
TEST_F(SoundControlTest, EndingWhileAChimePlaysNeverCrashes) {
    const SoundServer server;
    write(QStringLiteral("endpinpon.wav"), wave(1, 2, 44100, 44100));
    int crashes = 0;
    for (int run = 0; run < 120; ++run) {
        QProcess program;
        program.start(QStringLiteral(CHIME_THEN_EXIT), {QStringLiteral("endpinpon.wav")});
        program.waitForFinished(5000);
        crashes += program.exitStatus() == QProcess::NormalExit && program.exitCode() == 0 ? 0 : 1;
    }
    EXPECT_EQ(crashes, 0);
}

}  // namespace
