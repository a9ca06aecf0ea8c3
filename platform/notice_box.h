// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

namespace platform {

// A modal notice with a single OK button. Returns when the user has dismissed it, in
// whatever way.
class NoticeBox {
public:
    virtual ~NoticeBox() = default;
    virtual void inform(QWidget* owner, const QString& title, const QString& text) = 0;
};

class MessageNoticeBox final : public NoticeBox {
public:
    void inform(QWidget* owner, const QString& title, const QString& text) override;
};

}  // namespace platform
