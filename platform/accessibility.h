#pragma once

namespace platform {

// Pictures and canvases read as graphics to a screen reader, with their description.
void installAccessibleGraphics();

}  // namespace platform
