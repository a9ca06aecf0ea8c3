// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QAbstractButton;

namespace platform {

// Return and Enter click the focused button, as Space does: keyboard users expect both.
void clickOnEnter(QAbstractButton* button);

}  // namespace platform
