// SPDX-License-Identifier: GPL-3.0-or-later
#include "take_away/take_away.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>

#include "platform/notice_box.h"
#include "take_away/whole_files.h"

namespace take_away {

namespace {

// Pages are drawn at the resolution of a good printer.
constexpr int kPageDotsPerInch = 300;
const QMarginsF kMargins(kPageMarginMillimetres, kPageMarginMillimetres, kPageMarginMillimetres,
                         kPageMarginMillimetres);

// The page inside its margins, where a painter on it starts.
QRect printableArea(const QPageLayout& layout, int dotsPerInch) {
    return {QPoint(0, 0), layout.paintRectPixels(dotsPerInch).size()};
}

}  // namespace

void tellFailure(const TakeAway& takeAway, QWidget* owner, const QString& text) {
    //: the program's name, as the title of a notice
    takeAway.notice.inform(owner, QCoreApplication::translate("TakeAway", "Pellorin"), text);
}

void saveWithDialog(const TakeAway& takeAway, QWidget* owner, const QString& title,
                    const QString& suggestedName, const QString& filter, const QByteArray& bytes) {
    const QString path = takeAway.dialog.chooseSave(owner, title, suggestedName, filter);
    if (path.isEmpty()) {
        return;
    }
    const QString problem = saveWhole(path, bytes);
    if (problem.isEmpty()) {
        takeAway.dialog.used(path);
    } else {
        //: a notice: %1 the file, %2 why it could not be saved
        tellFailure(takeAway, owner,
                    QCoreApplication::translate("TakeAway", "%1 could not be saved: %2")
                        .arg(QDir::toNativeSeparators(path), problem));
    }
}

QByteArray documentPdf(const Document& document) {
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(kMargins, QPageLayout::Millimeter);
    writer.setResolution(kPageDotsPerInch);
    writer.setCreator(QStringLiteral("Pellorin"));
    writer.setTitle(document.title);
    QPainter painter(&writer);
    document.draw(painter, printableArea(writer.pageLayout(), kPageDotsPerInch));
    painter.end();
    return pdf;
}

void saveDocumentPdf(const TakeAway& takeAway, QWidget* owner, const QString& suggestedName,
                     const Document& document) {
    saveWithDialog(takeAway, owner, QCoreApplication::translate("TakeAway", "Save page as PDF"),
                   suggestedName, QCoreApplication::translate("TakeAway", "PDF files (*.pdf)"),
                   documentPdf(document));
}

void printDocument(const TakeAway& takeAway, QWidget* owner, const Document& document) {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, owner);
    if (dialog.exec() == QDialog::Accepted && !printOn(printer, document)) {
        tellFailure(takeAway, owner,
                    QCoreApplication::translate("TakeAway", "The page could not be printed."));
    }
}

bool printOn(QPrinter& printer, const Document& document) {
    // At least the program's margins, more where the printer cannot print so near the edge.
    printer.setPageMargins(kMargins, QPageLayout::Millimeter);
    printer.setDocName(document.title);
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    document.draw(painter, printableArea(printer.pageLayout(), printer.resolution()));
    return painter.end();
}

}  // namespace take_away
