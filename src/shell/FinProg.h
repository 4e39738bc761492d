#pragma once

#include "shell/CoursePage.h"

#include "toolkit/ImageBox.h"
#include "toolkit/TextBox.h"

namespace shell {

/// \brief The end page: the course's title and version, the publisher, and
/// the choice to go back, start again from the first course page, or quit.
class FinProg final : public CoursePage {
    Q_OBJECT
public:
    static constexpr PageId Id = PageId::FinProg;

    explicit FinProg(Course &course);

    tk::ImageBox *Image2;
    tk::ImageBox *Image1;
    tk::Frame *Frame3;
    tk::TextBox *Text1;
    tk::Frame *Frame2;
    tk::TextBox *TextFin;
    tk::Button *Recommencer;

protected:
    PageId nextPage() const override { return PageId::Fonction; }
};

} // namespace shell
