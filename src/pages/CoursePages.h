#pragma once

namespace shell {
class Course;
}

namespace pages {

/// \brief Tells the page registry how to build each of the twelve pages of
/// the course proper (the title and end pages belong to the shell).
void installCoursePages(shell::Course &course);

} // namespace pages
