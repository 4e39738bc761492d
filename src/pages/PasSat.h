#pragma once

#include "shell/CoursePage.h"

#include "toolkit/ImageBox.h"
#include "toolkit/TextBox.h"

namespace pages {

/// \brief Page 6: the rule for choosing a pulse transformer.
class PasSat final : public shell::CoursePage {
    Q_OBJECT
public:
    static constexpr shell::PageId Id = shell::PageId::PasSat;

    explicit PasSat(shell::Course &course);

    tk::ImageBox *Image1;
    tk::Frame *Frame2;
    tk::TextBox *TextPasSaturer;
};

} // namespace pages
