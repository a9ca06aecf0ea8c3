// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>

#include "chime_file.h"

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

// The program's own reader takes a shipped chime whole: every sample, as the file holds it.
TEST_P(Chime, DecodesWholeInTheProgramsReader) {
    const QString path = QStringLiteral(CHIME_FOLDER "/") + GetParam();
    const QByteArray bytes = readAll(path);
    const auto chime = platform::readChime(path);
    ASSERT_TRUE(chime.has_value());
    const QByteArray data = bytes.mid(44);
    ASSERT_EQ(chime->samples.size() * 2, static_cast<std::size_t>(data.size()));
    for (std::size_t i = 0; i < chime->samples.size(); ++i) {
        ASSERT_EQ(chime->samples[i],
                  qFromLittleEndian<qint16>(data.constData() + static_cast<qsizetype>(2 * i)))
            << "sample " << i;
    }
    EXPECT_LT(static_cast<double>(chime->frames()) / chime->sampleRate, 2.0);  // seconds
}

INSTANTIATE_TEST_SUITE_P(
    Assets, Chime, ::testing::Values("pinpon.wav", "endpinpon.wav"), [](const auto& info) {
        return std::string(info.param).substr(0, std::string(info.param).find('.'));
    });

}  // namespace
