// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class Chime : public ::testing::TestWithParam<const char*> {};

// The shipped chimes are exactly what the generator makes: nobody edits them by hand.
TEST_P(Chime, IsWhatTheGeneratorMakes) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    ASSERT_EQ(QProcess::execute(QStringLiteral(CHIME_GENERATOR), {folder.path()}), 0);
    const QString name = QString::fromLatin1(GetParam());
    const QByteArray shipped = readAll(QStringLiteral(CHIME_FOLDER "/") + name);
    ASSERT_FALSE(shipped.isEmpty());
    EXPECT_TRUE(readAll(folder.filePath(name)) == shipped);
}

TEST_P(Chime, IsShortSixteenBitPcm) {
    const QByteArray bytes = readAll(QStringLiteral(CHIME_FOLDER "/") + GetParam());
    ASSERT_GT(bytes.size(), 44);
    EXPECT_EQ(bytes.left(4), "RIFF");
    EXPECT_EQ(bytes.mid(8, 8), "WAVEfmt ");
    const auto* header = reinterpret_cast<const uchar*>(bytes.constData());
    EXPECT_EQ(qFromLittleEndian<quint16>(header + 20), 1);   // PCM
    EXPECT_EQ(qFromLittleEndian<quint16>(header + 34), 16);  // bits per sample
    const auto rate = qFromLittleEndian<quint32>(header + 24);
    const auto dataBytes = qFromLittleEndian<quint32>(header + 40);
    EXPECT_EQ(dataBytes + 44, static_cast<quint32>(bytes.size()));
    EXPECT_LT(dataBytes / 2.0 / rate, 2.0);  // seconds
}

INSTANTIATE_TEST_SUITE_P(
    Assets, Chime, ::testing::Values("pinpon.wav", "endpinpon.wav"), [](const auto& info) {
        return std::string(info.param).substr(0, std::string(info.param).find('.'));
    });

}  // namespace
