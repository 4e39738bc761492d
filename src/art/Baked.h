#pragma once

namespace art {

/// \brief Makes the pictures drawn at build time available to the renderers.
/// Call once, at start-up, before the first picture is rendered.
void loadBakedPictures();

} // namespace art
