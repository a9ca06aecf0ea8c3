// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QRect>
#include <QString>
#include <functional>

#include "clipboard.h"
#include "file_dialog.h"

class QPainter;
class QPrinter;
class QWidget;

namespace platform {
class NoticeBox;
}  // namespace platform

namespace take_away {

// What a window needs to let results be taken away.
struct TakeAway {
    Clipboard& clipboard;
    FileDialog& dialog;
    platform::NoticeBox& notice;
};

// Asks for a file with the dialog and writes the bytes there whole; a failure is told in a
// notice that names the file and the reason, and the user can try again. Cancel does nothing.
void saveWithDialog(const TakeAway& takeAway, QWidget* owner, const QString& title,
                    const QString& suggestedName, const QString& filter, const QByteArray& bytes);

// Tells the user, in a notice, what could not be done.
void tellFailure(const TakeAway& takeAway, QWidget* owner, const QString& text);

// Draws one page on a painter; `page` is the area to draw in, in the painter's device pixels.
using PageDrawing = std::function<void(QPainter& painter, const QRect& page)>;

// One A4 page as a PDF file.
QByteArray pagePdf(const PageDrawing& draw);

// Asks for a file and saves the page there as PDF, whole or not at all.
void savePagePdf(const TakeAway& takeAway, QWidget* owner, const QString& suggestedName,
                 const PageDrawing& draw);

// Asks for a printer, with the system's print dialog, and prints the page on it. Cancel does
// nothing.
void printPage(const TakeAway& takeAway, QWidget* owner, const PageDrawing& draw);

// Prints the page on the printer's paper (A4, or Letter where the printer says so). False when
// the printer cannot be used.
bool printOn(QPrinter& printer, const PageDrawing& draw);

}  // namespace take_away
