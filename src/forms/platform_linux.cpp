#include "platform.h"

namespace tesselka::forms {

// X11 and Wayland draw the text with FreeType already.
void prepare_platform() {}

}  // namespace tesselka::forms
