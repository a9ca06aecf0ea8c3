// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

namespace take_away {

// The desktop's clipboard. Where there is none, putting something on it does nothing.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    // Text with an HTML rendering of the same, for programs that keep the layout.
    virtual void putText(const QString& text, const QString& html) = 0;
    virtual void putImage(const QImage& image) = 0;
};

class SystemClipboard final : public Clipboard {
public:
    void putText(const QString& text, const QString& html) override;
    void putImage(const QImage& image) override;
};

}  // namespace take_away
