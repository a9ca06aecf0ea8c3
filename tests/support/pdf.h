// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <vector>

// What poppler makes of a PDF file: its words in reading order, or its pages as pictures at
// 50 dots an inch.
inline QString pdfText(const QString& pdf) {
    QProcess poppler;
    poppler.start("pdftotext", {"-layout", pdf, "-"});
    poppler.waitForFinished();
    return QString::fromUtf8(poppler.readAllStandardOutput()).simplified();
}
inline std::vector<QImage> pdfPages(const QString& pdf) {
    QProcess::execute("pdftoppm", {"-r", "50", "-png", pdf, pdf + "-page"});
    std::vector<QImage> pages;
    const QFileInfo file(pdf);
    for (const QString& name : QDir(file.path()).entryList({file.fileName() + "-page-*.png"})) {
        pages.emplace_back(file.path() + "/" + name);
    }
    return pages;
}
