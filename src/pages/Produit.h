#pragma once

#include "shell/CoursePage.h"

#include "toolkit/ImageBox.h"
#include "toolkit/TextBox.h"

namespace pages {

/// \brief Page 5: the E x t product, then in two steps two pulses of equal area.
class Produit final : public shell::CoursePage {
    Q_OBJECT
public:
    static constexpr shell::PageId Id = shell::PageId::Produit;

    explicit Produit(shell::Course &course);

    tk::Frame *Frame1;
    tk::TextBox *TextProduit;
    tk::Frame *Frame2;
    tk::TextBox *TextExemple;
    tk::Frame *Frame3;
    tk::TextBox *Text10V;
    tk::Frame *Frame4;
    tk::TextBox *Text5V;
    tk::ImageBox *ImageProduit1;
    tk::ImageBox *ImageProduit2; ///< in front of ImageProduit1
    tk::Button *Suite1;
    tk::Button *Suite2;
};

} // namespace pages
