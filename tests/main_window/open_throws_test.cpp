// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QTemporaryDir>

#include "experiment_results.h"
#include "mixing_generator.h"
#include "support/golden.h"
#include "support/window_harness.h"

namespace {

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()) << path;
}

void open(const WindowHarness& harness, const QStringList& files) {
    harness.dialog->opened = files;
    harness.window->results()->openThrows();
}

// What a pupil sees of an experiment: the window, then the graph it opens.
std::pair<QImage, QImage> picturesOf(const WindowHarness& harness) {
    const QImage window = windowPicture(harness.window.get());
    harness.window->showGraph();
    harness.window->graphWindow()->onActivated();
    const QImage graph = windowPicture(harness.window->graphWindow());
    harness.window->graphWindow()->close();
    harness.window->show();
    return {window, graph};
}

// A pupil's 1002 experiments, saved: three by hand, a run stopped at 1000, two more by hand
// (the graph shows only the first 1000).
TEST(OpenThrows, GiveBackTheWindowThatSavedThemAndPool) {
    const QTemporaryDir folder;
    const QString saved = folder.filePath("pupil.csv");
    const WindowHarness pupil(std::make_unique<experiment::MixingGenerator>(2026));
    pupil.start();
    const auto throwByHand = [&pupil] {
        pupil.window->throwDice();
        pupil.window->stopDice();
    };
    throwByHand(), throwByHand(), throwByHand();
    pupil.window->startRun();
    while (pupil.window->tally().record().experimentCount < 1000) {
        pupil.window->runStep();
    }
    pupil.window->stopRun();
    throwByHand(), throwByHand();
    pupil.dialog->answer = saved;
    pupil.window->results()->saveThrows();
    const auto pupilPictures = picturesOf(pupil);

    // Opened, with CRLF as written or with LF: the same window and graph, and the same file.
    write(folder.filePath("lf.csv"), contentsOf(saved).replace("\r\n", "\n"));
    for (const char* name : {"pupil.csv", "lf.csv"}) {
        const WindowHarness teacher;
        teacher.start();
        open(teacher, {folder.filePath(name)});
        EXPECT_TRUE(teacher.notice->shown.empty()) << "nothing to ask of an empty window";
        EXPECT_EQ(teacher.value(Value::ExperimentCount), "1002");
        EXPECT_TRUE(picturesOf(teacher) == pupilPictures) << name;
        teacher.dialog->answer = folder.filePath("again.csv");
        teacher.window->results()->saveThrows();
        EXPECT_EQ(contentsOf(teacher.dialog->answer), contentsOf(saved)) << name;
    }

    // A window that holds experiments asks first; No keeps them, Yes pools the files.
    const WindowHarness teacher;
    teacher.start();
    teacher.throwManually(2, 4);
    const QImage before = windowPicture(teacher.window.get());
    teacher.notice->yes = false;
    open(teacher, {saved, saved});
    ASSERT_EQ(teacher.notice->shown.size(), 1U);
    EXPECT_EQ(teacher.notice->shown.back().text,
              "The 1 experiment in the window will be replaced by those in the files. "
              "Open them?");
    EXPECT_EQ(windowPicture(teacher.window.get()), before);
    teacher.notice->yes = true;
    open(teacher, {saved, saved});
    for (int large = 1; large <= 6; ++large) {
        for (int small = 1; small <= 6; ++small) {
            EXPECT_EQ(teacher.cell(large, small).toInt(), 2 * pupil.cell(large, small).toInt());
        }
    }
    EXPECT_EQ(teacher.value(Value::ExperimentCount), "2004");
    EXPECT_EQ(teacher.value(Value::OddCount).toInt(), 2 * pupil.value(Value::OddCount).toInt());
    EXPECT_EQ(teacher.value(Value::Ratio), pupil.value(Value::Ratio));
    // A screen reader hears the pooled totals after the last throw, as after throwing it.
    const QString odd = pupil.value(Value::OddCount);
    EXPECT_EQ(
        teacher.announcer->said.back(),
        "Throws opened. " + pupil.announcer->said.back().replace(
                                "1002 experiments, " + odd + " odd",
                                "2004 experiments, " + QString::number(2 * odd.toInt()) + " odd"));
}

// `count` rows of throws of 1 and 1, from number `first` on, as the program writes them.
QByteArray onesFrom(int first, int count) {
    QByteArray rows;
    for (int n = first; n < first + count; ++n) {
        rows += QByteArray::number(n) + ",1,1,1," + QByteArray::number(n) + ",1.000\r\n";
    }
    return rows;
}

// Every file, or set of files, that must be refused: the notice names the file, the line and
// the reason, nothing is asked, and the window stays as it was, pixel for pixel.
TEST(OpenThrows, RefuseEveryHostileFileAndChangeNothing) {
    const QTemporaryDir folder;
    const auto at = [&folder](const char* name) { return folder.filePath(name); };
    const QByteArray header = "experiment,large,small,odd,odd_so_far,ratio\r\n";
    const QByteArray first = header + "1,1,6,0,0,0.000\r\n";
    const std::vector<std::pair<const char*, QByteArray>> files = {
        {"empty", ""},
        {"header-only", header},
        {"wrong-header", "experiment,large,small,odd,ratio\r\n1,1,6,0,0.000\r\n"},
        {"binary", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)},
        {"five-fields", header + "1,1,6,0,0\r\n"},
        {"blank-line", first + "\r\n"},
        {"out-of-sequence", first + "3,3,5,1,1,0.500\r\n"},
        {"face-0", header + "1,0,6,0,0,0.000\r\n"},
        {"face-7", first + "2,7,5,1,1,0.500\r\n"},
        {"odd-disagrees", header + "1,1,6,1,1,1.000\r\n"},
        {"odd-so-far-disagrees", first + "2,3,5,1,2,0.500\r\n"},
        {"ratio-disagrees", first + "2,3,5,1,1,0.501\r\n"},
        {"32768-rows", header + onesFrom(1, 32768)},
        {"20000-rows", header + onesFrom(1, 20000)},
        {"12767-rows", header + onesFrom(1, 12767)},
        {"4-MiB", QByteArray(4 * 1024 * 1024, 'x')},
    };
    for (const auto& [name, bytes] : files) {
        write(at(name), bytes);
    }
    QFile huge(at("100-MB"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly) && huge.resize(100'000'000));
    ::mkfifo(QFile::encodeName(at("fifo")).constData(), 0600);
    QDir().mkdir(at("folder"));

    const auto notOpened = [&at](const char* name, int line, const QString& reason) {
        return QStringList{at(name)}
               << QString("%1 was not opened: line %2: %3").arg(at(name)).arg(line).arg(reason);
    };
    const auto unread = [&at](const char* name, const QString& reason) {
        return QStringList{at(name)} << at(name) + " could not be opened: " + reason;
    };
    const QString noHeader = "Its first line is not the header of a file of throws.";
    const std::vector<QStringList> refused = {
        notOpened("empty", 1, noHeader),
        notOpened("header-only", 2, "It holds no throws."),
        notOpened("wrong-header", 1, noHeader),
        notOpened("binary", 1, noHeader),
        notOpened("five-fields", 2, "The row is not six numbers."),
        notOpened("blank-line", 3, "The row is not six numbers."),
        notOpened("out-of-sequence", 3, "The row's number does not follow the row before."),
        notOpened("face-0", 2, "A face is not between 1 and 6."),
        notOpened("face-7", 3, "A face is not between 1 and 6."),
        notOpened("odd-disagrees", 2, "Its \"odd\" does not agree with the faces."),
        notOpened("odd-so-far-disagrees", 3,
                  "Its \"odd_so_far\" does not agree with the rows before."),
        notOpened("ratio-disagrees", 3, "Its ratio does not agree with the rows before."),
        notOpened("32768-rows", 32769, "The files hold more than 32767 throws together."),
        // All or nothing: the first file's throws are not kept when the second is refused.
        QStringList{at("20000-rows")} +
            notOpened("20000-rows", 12769, "The files hold more than 32767 throws together."),
        QStringList{at("20000-rows")} + notOpened("face-7", 3, "A face is not between 1 and 6."),
        // At the size limit a file is read (and refused for what it holds); past it, not.
        notOpened("4-MiB", 1, noHeader),
        unread("100-MB", "It is larger than 4 MiB."),
        unread("fifo", "It is not an ordinary file."),
        unread("folder", "It is not an ordinary file."),
        unread("vanished", "It is not there any more."),
    };
    const WindowHarness teacher;
    teacher.start();
    teacher.throwManually(3, 5);
    const QImage before = windowPicture(teacher.window.get());
    for (const QStringList& chosen : refused) {
        const std::size_t notices = teacher.notice->shown.size();
        open(teacher, chosen.mid(0, chosen.size() - 1));
        ASSERT_EQ(teacher.notice->shown.size(), notices + 1) << chosen.last();
        EXPECT_EQ(teacher.notice->shown.back().text, chosen.last());
        EXPECT_EQ(windowPicture(teacher.window.get()), before) << chosen.last();
        EXPECT_EQ(teacher.window->tally().throws().size(), 1U);
    }
    // The other side of the limit: 32767 throws in all are opened.
    open(teacher, {at("20000-rows"), at("12767-rows")});
    EXPECT_EQ(teacher.value(Value::ExperimentCount), "32767");
}

}  // namespace
