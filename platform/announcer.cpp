// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/announcer.h"

#include <QAccessible>
#include <QEvent>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include "platform/accessibility.h"

namespace platform {

namespace {

constexpr int kLongestWaitMs = 1000;

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
// Before Qt 6.8 there is no announcement: a notification that shows with the text as its name
// is spoken by the screen reader. Each text has a notification of its own, from a ring of
// them: a reader that is behind on a busy computer would take the same notification shown
// twice for one event and drop a result. A notification is one pixel, draws nothing, and lies
// under the window's first control. When its window hides, it stays hidden when the window
// comes back: a screen reader would otherwise tell the last result again.
class Notification final : public QWidget {
public:
    explicit Notification(QWidget* window) : QWidget(window) {
        presentAsNotification(this);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(0, 0, 1, 1);
        lower();
        hide();
    }

protected:
    void hideEvent(QHideEvent* event) override {
        QWidget::hideEvent(event);
        if (!isHidden()) {  // hidden with its window, not by itself
            hide();
        }
    }
};
#endif

// What is still to be said in one window, said in order once the window is active.
class Announcements final : public QObject {
public:
    explicit Announcements(QWidget* window) : QObject(window), window_(window) {
        setObjectName(QStringLiteral("platformAnnouncements"));
        window->installEventFilter(this);
        wait_.setSingleShot(true);
        wait_.setInterval(kLongestWaitMs);
        connect(&wait_, &QTimer::timeout, this, &Announcements::sayAll);
    }

    void add(const QString& text) {
        pending_ << text;
        if (window_->isActiveWindow() && pending_.size() == 1) {
            sayAll();
        } else if (!wait_.isActive()) {
            wait_.start();
        }
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::WindowActivate && !pending_.isEmpty()) {
            // After the activation's own events, which tell the window and its focus.
            wait_.start(0);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void sayAll() {
        wait_.stop();
        for (const QString& text : std::as_const(pending_)) {
            say(text);
        }
        pending_.clear();
    }

    void say(const QString& text) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
        QAccessibleAnnouncementEvent event(window_, text);
        QAccessible::updateAccessibility(&event);
#else
        constexpr int kRing = 8;
        if (ring_.size() < kRing) {
            ring_.push_back(new Notification(window_));
        }
        QWidget* notification = ring_.at(next_);
        next_ = (next_ + 1) % kRing;
        notification->hide();
        setSpokenText(notification, text, QString());
        notification->show();
#endif
    }

    QWidget* window_;
    QTimer wait_;
    QStringList pending_;
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    std::vector<QWidget*> ring_;
    int next_ = 0;
#endif
};

}  // namespace

void AccessibleAnnouncer::announce(QWidget* window, const QString& text) {
    QObject* found = window->findChild<QObject*>(QStringLiteral("platformAnnouncements"),
                                                 Qt::FindDirectChildrenOnly);
    auto* announcements =
        found != nullptr ? static_cast<Announcements*>(found) : new Announcements(window);
    announcements->add(text);
}

}  // namespace platform
