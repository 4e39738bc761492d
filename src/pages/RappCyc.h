#pragma once

#include "shell/CoursePage.h"

#include "toolkit/ImageBox.h"
#include "toolkit/TextBox.h"

namespace pages {

/// \brief Page 9: the duty-cycle rule for choosing the Zener diode.
class RappCyc final : public shell::CoursePage {
    Q_OBJECT
public:
    static constexpr shell::PageId Id = shell::PageId::RappCyc;

    explicit RappCyc(shell::Course &course);

    tk::ImageBox *Image1;
    tk::Frame *Frame2;
    tk::TextBox *TextRappCyc;
};

} // namespace pages
