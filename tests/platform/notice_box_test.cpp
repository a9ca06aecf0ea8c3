// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "notice_box.h"

namespace {

// The real notice, answered as a user would: by its one OK button, or by closing it any other
// way (Escape, the frame). Either way it returns.
TEST(NoticeBox, ShowsOnlyOkAndReturnsHoweverItIsAnswered) {
    for (const bool ok : {true, false}) {
        QStringList seen;
        QTimer::singleShot(0, [&seen, ok] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            seen << box->windowTitle() << box->text();
            for (QAbstractButton* button : box->buttons()) {
                seen << button->text().remove(QLatin1Char('&'));
            }
            seen << (box->windowModality() == Qt::ApplicationModal ? "modal" : "modeless");
            ok ? box->button(QMessageBox::Ok)->click() : box->reject();
        });
        platform::MessageNoticeBox().inform(nullptr, QStringLiteral("Pellorin"),
                                            QStringLiteral("This software will exit."));
        EXPECT_EQ(seen.join('|'), "Pellorin|This software will exit.|OK|modal");
    }
}

}  // namespace
