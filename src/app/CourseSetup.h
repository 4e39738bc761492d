#pragma once

namespace shell {
class Course;
}

namespace app {

/// \brief Gives the registry every page and the course text loader.
void assemble(shell::Course &course);

/// \brief Application-wide settings: widget style, fonts, window icon.
/// Needs a QApplication.
void configureApplication();

} // namespace app
