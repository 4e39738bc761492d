#pragma once

namespace shell {
class Course;
}

namespace pages {

/// \brief Tells the page registry how to create every page of the page
/// table, the title and end pages of the shell included.
void installPages(shell::Course &course);

} // namespace pages
