// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace platform {

// The notice of authorship and date that follows a window's title in its caption.
inline constexpr char kAuthorshipNotice[] = "(C) 2022 The Pellorin developers";

}  // namespace platform
