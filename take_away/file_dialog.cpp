// SPDX-License-Identifier: GPL-3.0-or-later
#include "file_dialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

namespace take_away {

QString SystemFileDialog::folder() const {
    if (!lastFolder_.isEmpty()) {
        return lastFolder_;
    }
    // A new account may have no documents folder yet: the dialog would then open in its parent
    // with the folder's name typed in as the file's.
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

QString SystemFileDialog::chooseSave(QWidget* owner, const QString& title,
                                     const QString& suggestedName, const QString& filter) {
    QFileDialog dialog(owner, title, QDir(folder()).filePath(suggestedName), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QFileInfo(suggestedName).suffix());
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

QStringList SystemFileDialog::chooseOpen(QWidget* owner, const QString& title,
                                         const QString& filter) {
    QFileDialog dialog(owner, title, folder(), filter);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles() : QStringList();
}

void SystemFileDialog::used(const QString& path) {
    lastFolder_ = QFileInfo(path).absolutePath();
}

}  // namespace take_away
