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
#include <algorithm>
#include <iostream>
#include <memory>

#include "sound/pulse_sound_control.h"
#include "support/files.h"
#include "support/sound_server.h"

namespace {

// Appends each value, little-endian.
template <typename... Values>
void put(QByteArray& out, Values... values) {
    const auto one = [&out](auto value) {
        const auto little = qToLittleEndian(value);
        out.append(reinterpret_cast<const char*>(&little), sizeof little);
    };
    (one(values), ...);
}

// A WAV file of `frames` frames of `bits`-bit samples (format 1: PCM, 3: float); a case damages the
// fields it names. As RF64 (`rf64`: the data's size) the sizes stand in a ds64 chunk, the 32-bit
// ones all ones.
QByteArray wave(quint16 format = 1, quint16 channels = 1, quint32 rate = 22050,
                quint32 frames = 400, std::optional<quint32> declaredData = std::nullopt,
                quint16 bits = 16, std::optional<quint64> rf64 = std::nullopt) {
    const quint32 block = channels * bits / 8U;
    QByteArray out = rf64 ? QByteArray("RF64\xff\xff\xff\xffWAVEds64\x1c\0\0\0", 20) : "RIFF";
    if (rf64) {
        put(out, *rf64 + 72, *rf64, quint64{frames}, quint32{0});
    } else {
        put(out, quint32{(format == 3 ? 48 : 36) + frames * block});
        out += "WAVE";
    }
    out += "fmt ";
    put(out, 16U, format | static_cast<quint32>(channels) << 16U, rate, rate * block,
        block | static_cast<quint32>(bits) << 16U);
    if (format == 3) {  // float samples, which a WAV file counts in a chunk of their own
        out += "fact";
        put(out, 4U, frames);
    }
    out += "data";
    put(out, rf64 ? 0xffffffffU : declaredData.value_or(frames * block));
    for (quint32 i = 0; i < frames * channels; ++i) {
        bits == 16 ? put(out, static_cast<qint16>(i * 7))
                   : void(out.append(QByteArray(bits / 8, format == 3 ? '\0' : char(i * 7))));
    }
    return out;
}

class SoundControlTest : public ::testing::Test {
protected:
    void SetUp() override { QDir::setCurrent(scratch_.path()); }
    void TearDown() override { QDir::setCurrent(previous_); }

    QString previous_ = QDir::currentPath();
    QTemporaryDir scratch_;
};

// Every check of a chime file, each bound from both sides: a file at the bound plays, one
// past it is refused; damaged and forged files are refused. The same control reads the file
// afresh at each chime; a refused chime returns at once, and nothing plays.
TEST_F(SoundControlTest, ChecksEveryChimeFileAtItsBounds) {
    const QByteArray good = wave();
    const auto rf64 = [](quint64 size) { return wave(1, 1, 22050, 400, std::nullopt, 16, size); };
    std::vector<std::tuple<std::string, QByteArray, bool>> files = {
        {"a chime", good, true},
        {"one frame", wave(1, 1, 22050, 1), true},
        {"no frames", wave(1, 1, 22050, 0), false},
        {"stereo", wave(1, 2), true},
        {"three channels", wave(1, 3), false},
        {"no channels", wave(1, 0), false},
        {"8 kHz", wave(1, 1, 8000), true},
        {"just under 8 kHz", wave(1, 1, 7999), false},
        {"192 kHz", wave(1, 1, 192000), true},
        {"just over 192 kHz", wave(1, 1, 192001), false},
        {"8-bit samples", wave(1, 1, 22050, 400, std::nullopt, 8), true},
        {"24-bit samples", wave(1, 1, 22050, 400, std::nullopt, 24), true},
        {"32-bit samples", wave(1, 1, 22050, 400, std::nullopt, 32), true},
        {"float samples", wave(3, 1, 22050, 400, std::nullopt, 32), true},
        {"an AU file named .wav",  // 16-bit, 22050 Hz, mono, 400 frames
         QByteArray::fromHex("2e736e64000000180000032000000003000056220000000"
                             "1") +
             QByteArray(800, '\1'),
         false},
        {"A-law samples, which libsndfile reads", wave(6, 1, 22050, 400, std::nullopt, 8), false},
        {"RF64, the WAV family's other member", rf64(800), false},
        {"the largest chime file: 8 MiB", wave(1, 2, 22050, 4194282, std::nullopt, 8), true},
        {"two bytes larger", wave(1, 2, 22050, 4194283, std::nullopt, 8), false},
        {"data larger than the file", wave(1, 1, 22050, 400, 900), false},
        {"data size 0xffffffff", wave(1, 1, 22050, 400, 0xffffffffU), false},
        {"RF64, data size the largest", rf64(0x7fffffffffffffffULL), false},
        {"RF64, data size all ones", rf64(0xffffffffffffffffULL), false},
        {"RF64, data size the smallest negative", rf64(0x8000000000000000ULL), false}};
    // Cut short: empty, in the RIFF header, after "WAVE", in the format chunk, before the data
    // chunk, in its header, in the data.
    for (const int size : {0, 6, 12, 28, 36, 40, 444}) {
        files.emplace_back("cut to " + std::to_string(size) + " bytes", good.left(size), false);
    }
    // A hang ends in the test's time-out; anything slower than a second fails here.
    QElapsedTimer elapsed;
    sound::PulseSoundControl control;
    control.setFileName(QStringLiteral("pinpon.wav"));
    for (const auto& [name, bytes, plays] : files) {
        write(QStringLiteral("pinpon.wav"), bytes);
        elapsed.start();
        control.stop();
        control.close();
        control.open();
        control.sound();
        EXPECT_EQ(control.openedChime().has_value(), plays) << name;
        EXPECT_LT(elapsed.elapsed(), 1000) << name;
    }
}

// The working directory, then the installed data folder, then beside the program, each
// place's file marked by its own rate; a FIFO under the name is passed over. The program plays
// through the module it loads at the first chime.
TEST_F(SoundControlTest, LooksInTheWorkingDirectoryThenTheDataFolderThenBesideTheProgram) {
    const QString name = QStringLiteral("lookup-order-test.wav");
    const QDir program(QCoreApplication::applicationDirPath());
    ASSERT_TRUE(program.mkpath(QStringLiteral("../share/pellorin")));
    const std::vector<std::pair<QString, int>> places = {
        {QDir::current().filePath(name), 44100},
        {program.filePath(QStringLiteral("../share/pellorin/") + name), 16000},
        {program.filePath(name), 32000}};
    sound::PulseSoundControl control;
    control.setFileName(name);
    for (const auto& [path, rate] : places) {
        write(path, wave(1, 2, rate, 300));
    }
    for (const auto& [path, rate] : places) {
        control.open();
        EXPECT_EQ(control.openedChime() ? control.openedChime()->sampleRate : 0, rate);
        QFile::remove(path);
        ASSERT_TRUE(path != places[0].first ||
                    ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
    }
    control.open();
    EXPECT_FALSE(control.openedChime().has_value());
    sound::ModuleSoundControl module;
    EXPECT_FALSE(module.loaded());
    module.open();
    EXPECT_TRUE(module.loaded());
}

// A stop, or the control's end, ends a five-second chime within the server's buffer of it (a
// tenth of a second at the sink's pace, which the recorder sets): its thread and its
// connection's end, and the server sees the connection closed. The time it took is printed.
TEST_F(SoundControlTest, EndsAChimeAtAStopAndLeavesNothingOfItBehind) {
    SoundServer server;
    write(QStringLiteral("pinpon.wav"), wave(1, 2, 44100, 5 * 44100));
    const auto threads = [] { return QDir(QStringLiteral("/proc/self/task")).count(); };
    const auto connections = [&server] {
        QProcess list;
        list.start("pactl", {"--server=unix:" + server.socket(), "list", "short", "clients"});
        list.waitForFinished();
        return list.readAllStandardOutput().count(
            QFile::encodeName(QCoreApplication::applicationFilePath().section('/', -1)));
    };
    server.record();
    const auto idle = threads();
    for (const bool ended : {false, true}) {
        auto control = std::make_unique<sound::PulseSoundControl>();
        control->setFileName(QStringLiteral("pinpon.wav"));
        control->open();
        control->sound();
        QElapsedTimer elapsed;
        for (elapsed.start(); connections() == 0 && elapsed.elapsed() < 3000;) {
        }
        ASSERT_EQ(connections(), 1) << "the chime plays";
        elapsed.start();
        ended ? control.reset() : control->stop();
        while (threads() > idle && elapsed.elapsed() < 500) {
        }
        std::cout << (ended ? "End" : "Stop") << " to silence: " << elapsed.elapsed() << " ms\n";
        EXPECT_EQ(std::pair(threads(), connections()), std::pair(idle, qsizetype{0})) << ended;
    }
}

// On a sound server of the test's own: a chime sounds exactly as its file holds it (the null
// sink plays its samples unchanged). The server goes away and comes back seconds later, long
// after the chime's connection failed: meanwhile a chime is silent and nothing waits for the
// server; then the next chime plays again, and one that comes while another plays ends it
// first. A program that ends while a chime plays ends
// cleanly, over and over, and one that finds no sound module is silent and ends as ever.
TEST_F(SoundControlTest, PlaysOnTheSoundServerWhateverItAndTheProgramDo) {
    SoundServer server;
    ASSERT_TRUE(QFile::exists(server.socket()));
    // Half a second in the sink's own format, so that nothing is resampled; its last 0.3 s
    // must be heard bit for bit (the recorder may start a moment late).
    const QByteArray chime = wave(1, 2, 44100, 22050);
    write(QStringLiteral("pinpon.wav"), chime);
    sound::PulseSoundControl control;
    control.setFileName(QStringLiteral("pinpon.wav"));
    const auto playChime = [&control] {
        control.stop();
        control.close();
        control.open();
        control.sound();
    };
    server.record();
    playChime();
    EXPECT_TRUE(server.heard(chime.right(13230 * 4)));
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
    EXPECT_TRUE(server.heard(chime.right(13230 * 4)));
    // A chime that comes while one plays ends it first: of a steady chime, nothing louder than
    // it is heard, where the two would sum.
    write(QStringLiteral("pinpon.wav"), chime.left(44) + QByteArray("\x40\x1f").repeated(44100));
    server.record();
    playChime();
    QThread::msleep(300);
    playChime();
    EXPECT_TRUE(server.heard(QByteArray("\x40\x1f").repeated(13230 * 2)));
    const QByteArray& heard = server.recording();
    const auto* samples = reinterpret_cast<const qint16*>(heard.constData());
    EXPECT_EQ(*std::max_element(samples, samples + heard.size() / 2), 8000);

    int crashes = 0;
    for (int run = 0; run < 30; ++run) {
        crashes += QProcess::execute(QStringLiteral(CHIME_THEN_EXIT), {"pinpon.wav"}) == 0 ? 0 : 1;
    }
    EXPECT_EQ(crashes, 0);
    const QString alone = scratch_.filePath(QStringLiteral("without-module"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(CHIME_THEN_EXIT), alone));
    EXPECT_EQ(QProcess::execute(alone, {QStringLiteral("pinpon.wav")}), 0);
}

}  // namespace
