// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace take_away {

// Writes the whole file or leaves what was there untouched: a folder, a device, a FIFO or a
// link to nothing is never replaced. Returns why it failed, or an empty text.
QString saveWhole(const QString& path, const QByteArray& bytes);

// Reads an ordinary file (or a link to one) of at most `largest` bytes, whole, never waiting on
// a FIFO or a device. Where it cannot, `problem` says why, in the user's language, and the
// bytes are empty.
QByteArray readWhole(const QString& path, qint64 largest, QString* problem);

}  // namespace take_away
