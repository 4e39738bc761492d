#pragma once

#include "shell/CoursePage.h"

#include "toolkit/ImageBox.h"
#include "toolkit/PlotSurface.h"
#include "toolkit/TextBox.h"

#include <array>

namespace pages {

/// \brief Page 10: the transformer under load; its oscillogram button reveals
/// the worked example, the oscillograms and the navigation panel.
class ChargeTi final : public shell::CoursePage {
    Q_OBJECT
public:
    static constexpr shell::PageId Id = shell::PageId::ChargeTi;

    explicit ChargeTi(shell::Course &course);

    tk::PlotSurface *Picture1;
    std::array<tk::Frame *, 2> Frame1; ///< Frame1(1) holds TextCharge(0), Frame1(0) TextCharge(1)
    std::array<tk::TextBox *, 2> TextCharge;
    tk::ImageBox *ImageCourbes;
    tk::Button *BPCourbes;
};

} // namespace pages
