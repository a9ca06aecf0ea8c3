// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <memory>

class QFileDialog;
class QWidget;

namespace take_away {

// The system's file dialogs. Each returns what the user chose, or nothing when they cancel.
class FileDialog {
public:
    virtual ~FileDialog() = default;
    // A file to save to; a name typed without an extension gets the suggested name's.
    virtual QString chooseSave(QWidget* owner, const QString& title, const QString& suggestedName,
                               const QString& filter) = 0;
    // Files to open, in the order the user chose them.
    virtual QStringList chooseOpen(QWidget* owner, const QString& title, const QString& filter) = 0;
    // A file was saved or read there: the next dialog opens in its folder.
    virtual void used(const QString& path) = 0;
};

// Opens in the user's documents folder (or, where there is none, the home folder) at first,
// then in the folder of the last file saved or read while the program runs. Asks before
// replacing a file, the extension added.
class SystemFileDialog final : public FileDialog {
public:
    QString chooseSave(QWidget* owner, const QString& title, const QString& suggestedName,
                       const QString& filter) override;
    QStringList chooseOpen(QWidget* owner, const QString& title, const QString& filter) override;
    void used(const QString& path) override;

    // The dialogs as they open, before the user does anything.
    [[nodiscard]] std::unique_ptr<QFileDialog> saveDialog(QWidget* owner, const QString& title,
                                                          const QString& suggestedName,
                                                          const QString& filter) const;
    [[nodiscard]] std::unique_ptr<QFileDialog> openDialog(QWidget* owner, const QString& title,
                                                          const QString& filter) const;

private:
    [[nodiscard]] QString folder() const;

    QString lastFolder_;
};

}  // namespace take_away
