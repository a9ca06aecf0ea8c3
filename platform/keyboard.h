// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QAbstractButton;

namespace platform {

// Return and Enter click the focused button at once, as Space does: keyboard users expect
// both, once for a held key. A delayed click would land on a button that another click has
// disabled meanwhile.
void clickOnEnter(QAbstractButton* button);

}  // namespace platform
