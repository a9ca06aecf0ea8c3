// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "platform/notice_box.h"

namespace {

// The real notice box, read from its widgets while it is open, then left as the row says (a
// key, Yes clicked, or closed from its frame): a notice tells with an OK button only and returns
// however it is left; a question offers Yes and No, No the default, and only Yes is yes.
TEST(MessageNoticeBox, ShowsWhatItIsGivenAndTakesOnlyYesForYes) {
    enum Leave { Return = Qt::Key_Return, Escape = Qt::Key_Escape, ClickYes, CloseFrame };
    const std::tuple<bool, Leave, bool> cases[] = {
        {false, Return, false}, {false, Escape, false}, {false, CloseFrame, false},
        {true, Return, false},  {true, Escape, false},  {true, CloseFrame, false},
        {true, ClickYes, true}};
    QWidget owner;
    owner.show();
    platform::MessageNoticeBox notices;
    for (const auto& [question, leave, yes] : cases) {
        QString seen;
        QTimer::singleShot(0, &owner, [&, question = question, leave = leave] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_TRUE(box != nullptr && box->parentWidget() == &owner &&
                        box->windowModality() == Qt::ApplicationModal);
            EXPECT_EQ(box->icon(), question ? QMessageBox::Question : QMessageBox::NoIcon);
            EXPECT_EQ(box->standardButtons(),
                      question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok);
            seen = box->windowTitle() + "|" + box->text();
            leave == ClickYes     ? box->button(QMessageBox::Yes)->click()
            : leave == CloseFrame ? void(box->close())
                                  : QTest::keyClick(box, static_cast<Qt::Key>(leave));
        });
        const bool answer = question ? notices.ask(&owner, "Pellorin", "Save the throws?")
                                     : (notices.inform(&owner, "Pellorin", "Saved."), false);
        EXPECT_EQ(answer, yes) << question << leave;
        EXPECT_EQ(seen, question ? "Pellorin|Save the throws?" : "Pellorin|Saved.");
    }
}

}  // namespace
