// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>

#include "sound/chime_file.h"
#include "support/files.h"
#include "support/printing.h"

namespace {

// The shipped chimes are exactly what the generator makes (nobody edits them by hand), and
// the program's own reader takes each whole: every sample as the file holds it (16-bit
// little-endian PCM after a 44-byte header), a chime of under two seconds.
TEST(Chimes, AreWhatTheGeneratorMakesAndDecodeWhole) {
    QTemporaryDir folder;
    ASSERT_EQ(QProcess::execute(QStringLiteral(CHIME_GENERATOR), {folder.path()}), 0);
    for (const QString name : {"pinpon.wav", "endpinpon.wav"}) {
        const QString shipped = QStringLiteral(CHIME_FOLDER "/") + name;
        const QByteArray bytes = contentsOf(shipped);
        EXPECT_TRUE(!bytes.isEmpty() && contentsOf(folder.filePath(name)) == bytes) << name;
        const auto chime = sound::readChime(shipped);
        ASSERT_TRUE(chime.has_value()) << name;
        EXPECT_TRUE(QByteArray(reinterpret_cast<const char*>(chime->samples.data()),
                               static_cast<qsizetype>(chime->samples.size() * 2)) == bytes.mid(44));
        EXPECT_LT(static_cast<double>(chime->frames()) / chime->sampleRate, 2.0);
    }
}

}  // namespace
