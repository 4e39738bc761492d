#pragma once

#include "shell/CoursePage.h"

#include "toolkit/ImageBox.h"
#include "toolkit/TextBox.h"

namespace pages {

/// \brief Page 3: the magnetisation characteristic and, after "Suite", saturation.
class Aimant final : public shell::CoursePage {
    Q_OBJECT
public:
    static constexpr shell::PageId Id = shell::PageId::Aimant;

    explicit Aimant(shell::Course &course);

    tk::Frame *Frame1;
    tk::TextBox *TextModel;
    tk::ImageBox *Image1;
    tk::ImageBox *Image2;
    tk::Frame *Frame2;
    tk::TextBox *TextSaturation;
    tk::Button *Suite;

protected:
    void beforeHidingOnReturn() override { TextSaturation->hide(); }
};

} // namespace pages
