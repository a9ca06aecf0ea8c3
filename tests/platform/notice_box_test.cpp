// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "notice_box.h"

namespace {

struct SeenNotice {
    QString title;
    QString text;
    QStringList buttons;
    bool applicationModal = false;
    bool iconless = false;
};

// Answers the notice the way the user does, once it is up, and records what it showed.
void answerWhenShown(SeenNotice& seen, void (*answer)(QMessageBox*)) {
    QTimer::singleShot(0, [&seen, answer] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seen.title = box->windowTitle();
        seen.text = box->text();
        for (QAbstractButton* button : box->buttons()) {
            seen.buttons << button->text().remove(QLatin1Char('&'));
        }
        seen.applicationModal = box->windowModality() == Qt::ApplicationModal;
        seen.iconless = box->icon() == QMessageBox::NoIcon;
        answer(box);
    });
}

TEST(NoticeBox, ShowsOneOkButtonAndReturnsWhenClicked) {
    SeenNotice seen;
    answerWhenShown(seen, [](QMessageBox* box) { box->button(QMessageBox::Ok)->click(); });
    platform::MessageNoticeBox().inform(nullptr, QStringLiteral("Pellorin"),
                                        QStringLiteral("This software will exit."));
    EXPECT_EQ(seen.title, QStringLiteral("Pellorin"));
    EXPECT_EQ(seen.text, QStringLiteral("This software will exit."));
    EXPECT_EQ(seen.buttons, QStringList{QStringLiteral("OK")});
    EXPECT_TRUE(seen.applicationModal);
    EXPECT_TRUE(seen.iconless);
}

TEST(NoticeBox, ReturnsWhenClosedAnyOtherWay) {
    SeenNotice seen;
    answerWhenShown(seen, [](QMessageBox* box) { box->reject(); });
    platform::MessageNoticeBox().inform(nullptr, QStringLiteral("Pellorin"),
                                        QStringLiteral("This software will exit."));
    EXPECT_EQ(seen.text, QStringLiteral("This software will exit."));
}

}  // namespace
