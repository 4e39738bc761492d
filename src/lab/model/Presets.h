#pragma once

#include "lab/model/Circuit.h"

#include <string_view>
#include <vector>

namespace lab {

/// \brief A starting point: the circuit of one course page with the values
/// its texts and pictures use.
struct Preset {
    const char *page; ///< the page's form name: "Vide", "Demag"...
    const char *name; ///< what the learner reads, French (translated by the view)
    Circuit circuit;
};

/// The presets, in the order of the course.
const std::vector<Preset> &presets();
/// The index of the first preset of the page named \a page ("Incomp"), or -1.
int presetOf(std::string_view page);

} // namespace lab
