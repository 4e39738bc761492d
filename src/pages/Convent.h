#pragma once

#include "shell/CoursePage.h"

#include "toolkit/ImageBox.h"
#include "toolkit/TextBox.h"

namespace pages {

/// \brief Page 2: the transformer diagram and its dot convention.
class Convent final : public shell::CoursePage {
    Q_OBJECT
public:
    static constexpr shell::PageId Id = shell::PageId::Convent;

    explicit Convent(shell::Course &course);

    tk::ImageBox *Image1;
    tk::Frame *Frame2;
    tk::TextBox *TextConvention;
};

} // namespace pages
