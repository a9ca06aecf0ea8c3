// SPDX-License-Identifier: GPL-3.0-or-later
#include "class_window/class_command.h"

#include <QApplication>
#include <QDir>
#include <QTextStream>

#include "class_window/class_window.h"
#include "platform/notice_box.h"
#include "take_away/clipboard.h"
#include "take_away/file_dialog.h"
#include "take_away/whole_files.h"

namespace {

// The desktop's services for a class view of its own.
struct Desk {
    take_away::SystemClipboard clipboard;
    take_away::SystemFileDialog dialog;
    platform::MessageNoticeBox notice;
    take_away::TakeAway takeAway{clipboard, dialog, notice};
};

}  // namespace

int showClassView(const QStringList& files) {
    Desk desk;
    ClassWindow window(desk.takeAway);
    window.showFiles(files);
    window.show();
    return QApplication::exec();
}

int writeClassPage(const QStringList& files, const QString& pdf, QTextStream& errors) {
    Desk desk;
    ClassWindow window(desk.takeAway);
    window.showFiles(files);
    for (const QString& refusal : window.refusals()) {
        errors << refusal << '\n';
    }
    const QString problem = take_away::saveWhole(pdf, take_away::documentPdf(window.document()));
    if (!problem.isEmpty()) {
        //: on the command line: %1 the PDF file, %2 why it could not be written
        errors << QCoreApplication::translate("ClassWindow", "%1 could not be saved: %2")
                      .arg(QDir::toNativeSeparators(pdf), problem)
               << '\n';
    }
    errors.flush();
    return window.refusals().isEmpty() && problem.isEmpty() ? 0 : 1;
}
