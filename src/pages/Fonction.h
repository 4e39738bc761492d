#pragma once

#include "shell/CoursePage.h"

#include "toolkit/ImageBox.h"
#include "toolkit/TextBox.h"

namespace pages {

/// \brief Page 1: what a pulse transformer is for, the symbols of the three
/// components it drives, and, after "Suite", its advantages.
class Fonction final : public shell::CoursePage {
    Q_OBJECT
public:
    static constexpr shell::PageId Id = shell::PageId::Fonction;
    /// Pixels added to each blank of TextFonction.
    static constexpr qreal BlankStretch = 1.1;

    explicit Fonction(shell::Course &course);

    tk::Frame *Frame1;
    tk::TextBox *TextFonction;
    tk::ImageBox *Image1;
    tk::ImageBox *Image2;
    tk::ImageBox *Image3;
    tk::Frame *Frame2;
    tk::TextBox *TextAvantages;
    tk::Button *Suite;
};

} // namespace pages
