// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QRect>
#include <QString>
#include <functional>

#include "take_away/clipboard.h"
#include "take_away/file_dialog.h"

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

// Draws pages on a painter; `page` is the area inside the margins, in the painter's device
// pixels. A drawing of several pages starts each further one on the painter's paged device.
using PageDrawing = std::function<void(QPainter& painter, const QRect& page)>;

// What is printed or saved as PDF: the drawing, and its title (the PDF's and the print job's).
struct Document {
    QString title;
    PageDrawing draw;
};

// Every page keeps this margin on each side: printers leave out up to 5 mm at the edges.
inline constexpr qreal kPageMarginMillimetres = 15.0;

// The document on A4 pages as a PDF file.
QByteArray documentPdf(const Document& document);

// Asks for a file and saves the document there as PDF, whole or not at all.
void saveDocumentPdf(const TakeAway& takeAway, QWidget* owner, const QString& suggestedName,
                     const Document& document);

// Asks for a printer, with the system's print dialog, and prints the document on it. Cancel
// does nothing; a failure is told.
void printDocument(const TakeAway& takeAway, QWidget* owner, const Document& document);

// Prints the document on the printer's paper (A4, or Letter where the printer says so). False
// when the printer cannot be used.
bool printOn(QPrinter& printer, const Document& document);

}  // namespace take_away
