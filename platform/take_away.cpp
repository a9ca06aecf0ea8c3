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

namespace platform {

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
    if (lastFolder_.isEmpty()) {
        lastFolder_ = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    }
    QString path = QFileDialog::getSaveFileName(owner, title,
                                                QDir(lastFolder_).filePath(suggestedName), filter);
    if (!path.isEmpty()) {
        lastFolder_ = QFileInfo(path).absolutePath();
    }
    return path;
}

QString saveWhole(const QString& path, const QByteArray& bytes) {
    if (QFileInfo(path).isDir()) {
        return QCoreApplication::translate("platform", "It is a folder.");
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        return file.errorString();
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
    if (!problem.isEmpty()) {
        takeAway.notice.inform(owner, QCoreApplication::translate("ExperimentWindow", "Pellorin"),
                               QCoreApplication::translate("platform", "%1 could not be saved: %2")
                                   .arg(QDir::toNativeSeparators(path), problem));
    }
}

}  // namespace platform
