#pragma once

#include "shell/CoursePage.h"

#include "toolkit/ImageBox.h"
#include "toolkit/TextBox.h"

namespace pages {

/// \brief Page 12: where pulse transformers are used, industrial speed drives.
class Variat final : public shell::CoursePage {
    Q_OBJECT
public:
    static constexpr shell::PageId Id = shell::PageId::Variat;

    explicit Variat(shell::Course &course);

    tk::ImageBox *Image1;
    tk::Frame *Frame2;
    tk::TextBox *TextVariateur;
};

} // namespace pages
