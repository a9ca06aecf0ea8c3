# SPDX-License-Identifier: GPL-3.0-or-later
# cmake-format's settings for the project's CMake files, checked by test.sh.
with section("format"):
    line_width = 100
    tab_size = 2
with section("markup"):
    enable_markup = False
