#pragma once

#include "toolkit/Twips.h"

#include "art/Art.h"

#include <QPixmap>
#include <QWidget>

namespace tk {

/// \brief A picture at a fixed place, at its natural size or stretched to the box.
///
/// The picture is drawn for the screen's device pixel ratio, never upscaled.
class ImageBox final : public QWidget {
    Q_OBJECT
public:
    enum class Fit { Natural, Stretch };

    ImageBox(QWidget *parent, const QString &name, Tw place, art::Picture picture,
             const QString &tooltip = {}, Fit fit = Fit::Natural);

    art::Picture picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    art::Picture m_picture;
    Fit m_fit;
    QPixmap m_pixmap; ///< the drawing, for the current pixel ratio, held while shown
};

} // namespace tk
