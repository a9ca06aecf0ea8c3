// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

namespace platform {

// Modal notices: one with a single OK button, which returns when the user has dismissed it
// in whatever way; one that asks, Yes or No, and takes anything but Yes for No.
class NoticeBox {
public:
    virtual ~NoticeBox() = default;
    virtual void inform(QWidget* owner, const QString& title, const QString& text) = 0;
    virtual bool ask(QWidget* owner, const QString& title, const QString& question) = 0;
};

class MessageNoticeBox final : public NoticeBox {
public:
    void inform(QWidget* owner, const QString& title, const QString& text) override;
    bool ask(QWidget* owner, const QString& title, const QString& question) override;
};

}  // namespace platform
