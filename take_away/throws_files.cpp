// SPDX-License-Identifier: GPL-3.0-or-later
#include "take_away/throws_files.h"

#include <QCoreApplication>
#include <QDir>

#include "take_away/whole_files.h"

namespace take_away {

namespace {

// Why a file was refused, in the order of experiment_core's CsvProblem::What.
const char* const kReasons[] = {
    QT_TRANSLATE_NOOP("ThrowsFiles", "It is not a file of throws saved by Pellorin."),
    QT_TRANSLATE_NOOP("ThrowsFiles", "It holds no throws."),
    QT_TRANSLATE_NOOP("ThrowsFiles", "The row is not five whole numbers and a ratio."),
    QT_TRANSLATE_NOOP("ThrowsFiles", "The row's number does not follow the row before."),
    QT_TRANSLATE_NOOP("ThrowsFiles", "A face is not between 1 and 6."),
    QT_TRANSLATE_NOOP("ThrowsFiles", "Its \"odd\" does not agree with the faces."),
    QT_TRANSLATE_NOOP("ThrowsFiles", "Its \"odd_so_far\" does not agree with the rows before."),
    QT_TRANSLATE_NOOP("ThrowsFiles", "Its ratio does not agree with the rows before."),
    QT_TRANSLATE_NOOP("ThrowsFiles", "The files hold more than %1 throws together.")};

QString reason(experiment_core::CsvProblem::What what, std::int64_t limit) {
    const QString text =
        QCoreApplication::translate("ThrowsFiles", kReasons[static_cast<std::size_t>(what)]);
    return what == experiment_core::CsvProblem::What::TooMany ? text.arg(limit) : text;
}

}  // namespace

ThrowsFile readThrowsFile(const QString& path, qint64 largestBytes, std::int64_t room,
                          std::int64_t limit) {
    const QString file = QDir::toNativeSeparators(path);
    QString problem;
    const QByteArray bytes = readWhole(path, largestBytes, &problem);
    if (!problem.isEmpty()) {
        const QString refusal =
            //: a refused file: %1 the file, %2 why it could not be read
            QCoreApplication::translate("ThrowsFiles", "%1 could not be opened: %2");
        return {{}, refusal.arg(file, problem)};
    }
    auto read = experiment_core::readThrowsCsv(
        {bytes.constData(), static_cast<std::size_t>(bytes.size())}, room);
    if (const auto* refused = std::get_if<experiment_core::CsvProblem>(&read)) {
        const QString refusal =
            //: a refused file: %1 the file, %2 the line, %3 what is wrong there
            QCoreApplication::translate("ThrowsFiles", "%1 was not opened: line %2: %3");
        return {{}, refusal.arg(file).arg(refused->line).arg(reason(refused->what, limit))};
    }
    return {std::move(std::get<std::vector<experiment_core::Faces>>(read)), {}};
}

}  // namespace take_away
