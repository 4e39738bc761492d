#pragma once

#include "shell/PageId.h"

#include "toolkit/Frame.h"
#include "toolkit/ImageBox.h"
#include "toolkit/PageWindow.h"
#include "toolkit/PlotSurface.h"
#include "toolkit/TextBox.h"
#include "toolkit/Timer.h"

namespace shell {

class Course;

/// \brief The title page, shown for 5000 ms before the course; it owns the
/// routines that enter the course (Timer1_Timer), load its texts (Messages)
/// and end the program (Quitter).
///
/// Nothing on it reacts to the user: every control sits in the inert frame
/// Frame1, and the page has no button.
class Debut final : public tk::PageWindow {
    Q_OBJECT
public:
    static constexpr PageId Id = PageId::Debut;
    static constexpr int TitleDelayMs = 5000;

    explicit Debut(Course &course);

    /// \brief Enters the course: loads the texts, makes sure every course page
    /// exists, shows the first course page, and destroys the title page.
    void Timer1_Timer();
    /// \brief Builds the course pages and enters \a first (Fonction when the
    /// title page's time is up), then the title page goes.
    void handOver(PageId first);
    /// \brief Ends the program: destroys every page.
    void Quitter();
    /// \brief Writes every course text, with its colour, into the pages.
    void Messages();

    tk::Frame *Frame1;
    tk::Timer *Timer1;
    tk::PlotSurface *Picture1;
    tk::ImageBox *Image1;
    tk::Frame *Frame3;
    tk::TextBox *Text1;
    tk::TextBox *TexteDebut;
    tk::TextBox *Text2;

private:
    Course &m_course;
};

/// \brief The contact block of the title and end pages (five lines, CR LF).
QString contactBlock();

} // namespace shell
