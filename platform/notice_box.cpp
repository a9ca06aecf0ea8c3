// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/notice_box.h"

#include <QMessageBox>

namespace platform {

void MessageNoticeBox::inform(QWidget* owner, const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, owner);
    box.setObjectName(QStringLiteral("Notice"));
    box.setWindowModality(Qt::ApplicationModal);
    box.setEscapeButton(QMessageBox::Ok);
    box.exec();
}

bool MessageNoticeBox::ask(QWidget* owner, const QString& title, const QString& question) {
    QMessageBox box(QMessageBox::Question, title, question, QMessageBox::Yes | QMessageBox::No,
                    owner);
    box.setObjectName(QStringLiteral("Question"));
    box.setWindowModality(Qt::ApplicationModal);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

}  // namespace platform
