#pragma once
// What a screen reader sees. Labels are painted by their container and are no widgets, so the
// containers (windows, frames, picture boxes) report their visible labels as static-text
// children of their own, with the label's caption as the name and its box as the place.

namespace tesselka::access {

// Makes the containers report their labels; called once at start-up.
void install_accessibility();

}  // namespace tesselka::access
