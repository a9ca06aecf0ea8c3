// SPDX-License-Identifier: GPL-3.0-or-later
#include "take_away.h"

#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeData>
#include <QSaveFile>
#include <QStandardPaths>

#include "notice_box.h"

namespace take_away {

void SystemClipboard::putText(const QString& text, const QString& html) {
    if (QClipboard* clipboard = QGuiApplication::clipboard()) {
        auto* data = new QMimeData;
        data->setText(text);
        data->setHtml(html);
        clipboard->setMimeData(data);
    }
}

void SystemClipboard::putImage(const QImage& image) {
    if (QClipboard* clipboard = QGuiApplication::clipboard()) {
        clipboard->setImage(image);
    }
}

QString SystemSaveDialog::choose(QWidget* owner, const QString& title, const QString& suggestedName,
                                 const QString& filter) {
    const QString folder = lastFolder_.isEmpty()
                               ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                               : lastFolder_;
    QFileDialog dialog(owner, title, QDir(folder).filePath(suggestedName), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QFileInfo(suggestedName).suffix());
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

void SystemSaveDialog::saved(const QString& path) {
    lastFolder_ = QFileInfo(path).absolutePath();
}

namespace {

QString writeFailure(const QString& reason) {
    //: why a file could not be saved; %1: the system's reason
    return QCoreApplication::translate("TakeAway",
                                       "Writing failed (%1); a file of that name is as it was.")
        .arg(reason);
}

}  // namespace

QString saveWhole(const QString& path, const QByteArray& bytes) {
    // A link counts as what it leads to; a device, a FIFO or a link to nothing would be
    // replaced by an ordinary file.
    const QFileInfo target(path);
    if (target.isDir()) {
        return QCoreApplication::translate("TakeAway", "It is a folder.");
    }
    if ((target.exists() || target.isSymLink()) && !target.isFile()) {
        return QCoreApplication::translate("TakeAway", "It is not an ordinary file.");
    }
    if (!target.absoluteDir().exists()) {
        return QCoreApplication::translate("TakeAway", "Its folder does not exist.");
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        //: why a file could not be saved; %1: the system's reason
        return QCoreApplication::translate("TakeAway", "No file can be made in its folder (%1).")
            .arg(file.errorString());
    }
    // A short write is followed by another, which tells why the disk took no more; on any
    // failure the new file never takes the place of the one it would replace.
    for (qint64 written = 0; written < bytes.size();) {
        const qint64 step = file.write(bytes.constData() + written, bytes.size() - written);
        if (step <= 0) {
            const QString reason = file.errorString();
            file.cancelWriting();
            return writeFailure(reason);
        }
        written += step;
    }
    if (!file.commit()) {
        return writeFailure(file.errorString());
    }
    return {};
}

void saveWithDialog(const TakeAway& takeAway, QWidget* owner, const QString& title,
                    const QString& suggestedName, const QString& filter, const QByteArray& bytes) {
    const QString path = takeAway.dialog.choose(owner, title, suggestedName, filter);
    if (path.isEmpty()) {
        return;
    }
    const QString problem = saveWhole(path, bytes);
    if (problem.isEmpty()) {
        takeAway.dialog.saved(path);
    } else {
        takeAway.notice.inform(owner,
                               //: the program's name, as the title of a notice
                               QCoreApplication::translate("TakeAway", "Pellorin"),
                               //: a notice: %1 the file, %2 why it could not be saved
                               QCoreApplication::translate("TakeAway", "%1 could not be saved: %2")
                                   .arg(QDir::toNativeSeparators(path), problem));
    }
}

}  // namespace take_away
