// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QString>

namespace platform {

// The proportional Japanese Gothic face the windows are designed in.
QString designFamily();

// The design face at a size in points. Where the face is not installed, a metric-compatible
// proportional Japanese face stands in for it, never a monospaced one.
QFont designFont(qreal pointSize, bool bold = false);

}  // namespace platform
