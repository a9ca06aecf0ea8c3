// SPDX-License-Identifier: GPL-3.0-or-later
#include "take_away/file_dialog.h"

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

std::unique_ptr<QFileDialog> SystemFileDialog::saveDialog(QWidget* owner, const QString& title,
                                                          const QString& suggestedName,
                                                          const QString& filter) const {
    auto dialog =
        std::make_unique<QFileDialog>(owner, title, QDir(folder()).filePath(suggestedName), filter);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setDefaultSuffix(QFileInfo(suggestedName).suffix());
    return dialog;
}

std::unique_ptr<QFileDialog> SystemFileDialog::openDialog(QWidget* owner, const QString& title,
                                                          const QString& filter) const {
    auto dialog = std::make_unique<QFileDialog>(owner, title, folder(), filter);
    dialog->setFileMode(QFileDialog::ExistingFiles);
    return dialog;
}

QString SystemFileDialog::chooseSave(QWidget* owner, const QString& title,
                                     const QString& suggestedName, const QString& filter) {
    const auto dialog = saveDialog(owner, title, suggestedName, filter);
    return dialog->exec() == QDialog::Accepted ? dialog->selectedFiles().value(0) : QString();
}

QStringList SystemFileDialog::chooseOpen(QWidget* owner, const QString& title,
                                         const QString& filter) {
    const auto dialog = openDialog(owner, title, filter);
    return dialog->exec() == QDialog::Accepted ? dialog->selectedFiles() : QStringList();
}

void SystemFileDialog::used(const QString& path) {
    lastFolder_ = QFileInfo(path).absolutePath();
}

}  // namespace take_away
