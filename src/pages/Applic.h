#pragma once

#include "shell/CoursePage.h"

#include "toolkit/ImageBox.h"
#include "toolkit/TextBox.h"

namespace pages {

/// \brief Page 11: the trigger of a mixed thyristor bridge, worked out. Three
/// icon buttons switch between the magnified pulse train, the calculation and
/// the oscillograms.
class Applic final : public shell::CoursePage {
    Q_OBJECT
public:
    static constexpr shell::PageId Id = shell::PageId::Applic;

    explicit Applic(shell::Course &course);

    tk::ImageBox *Image1;
    tk::Frame *Frame;
    tk::TextBox *TextExplication;
    tk::TextBox *TextCalculs;
    tk::ImageBox *ImageGraphe;
    tk::ImageBox *ImageImpulsions;
    tk::ImageBox *ImageTrain;
    tk::Button *BPCourbes;
    tk::Button *BPCalculs;
    tk::Button *BPLoupe;

protected:
    void prepareArrival() override;
};

} // namespace pages
