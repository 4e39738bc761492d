#pragma once

namespace shell {
class Course;
}

namespace app {

/// \brief Gives the registry every page and the course text loader.
void assemble(shell::Course &course);

/// \brief Application-wide settings: widget style, fonts, window icon, the
/// guard against held-down keys, Qt's own texts in French.
/// Needs a QApplication.
void configureApplication();

/// \brief Installs Qt's French catalogue (qtbase), if the system has it.
void loadQtTranslations();

} // namespace app
