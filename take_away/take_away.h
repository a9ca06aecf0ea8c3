// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

class QWidget;

namespace platform {
class NoticeBox;
}

namespace take_away {

// The desktop's clipboard. Where there is none, putting something on it does nothing.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    // Text with an HTML rendering of the same, for programs that keep the layout.
    virtual void putText(const QString& text, const QString& html) = 0;
    virtual void putImage(const QImage& image) = 0;
};

class SystemClipboard final : public Clipboard {
public:
    void putText(const QString& text, const QString& html) override;
    void putImage(const QImage& image) override;
};

// The system's file dialog for saving. Returns the chosen path, or nothing when the user
// cancels; a name typed without an extension gets the suggested name's.
class SaveDialog {
public:
    virtual ~SaveDialog() = default;
    virtual QString choose(QWidget* owner, const QString& title, const QString& suggestedName,
                           const QString& filter) = 0;
    // A file was saved there: the next dialog suggests its folder.
    virtual void saved(const QString& path) = 0;
};

// Suggests the file in the user's documents folder at first, then in the folder of the last
// file saved while the program runs. Asks before replacing a file, the extension added.
class SystemSaveDialog final : public SaveDialog {
public:
    QString choose(QWidget* owner, const QString& title, const QString& suggestedName,
                   const QString& filter) override;
    void saved(const QString& path) override;

private:
    QString lastFolder_;
};

// What a window needs to let results be taken away.
struct TakeAway {
    Clipboard& clipboard;
    SaveDialog& dialog;
    platform::NoticeBox& notice;
};

// Asks for a file with the dialog and writes the bytes there whole; a failure is told in a
// notice that names the file and the reason, and the user can try again. Cancel does nothing.
void saveWithDialog(const TakeAway& takeAway, QWidget* owner, const QString& title,
                    const QString& suggestedName, const QString& filter, const QByteArray& bytes);

// Writes the whole file or leaves what was there untouched. Returns why it failed, or an empty
// text when it succeeded.
QString saveWhole(const QString& path, const QByteArray& bytes);

}  // namespace take_away
