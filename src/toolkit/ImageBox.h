#pragma once

#include "toolkit/Twips.h"

#include "toolkit/Drawing.h"

#include <QPixmap>
#include <QWidget>

namespace tk {

/// \brief A picture at a fixed place, at its natural size or stretched to the box.
///
/// The picture is drawn for the screen's device pixel ratio and the course's
/// scale, never upscaled; on paper, for the paper's resolution.
class ImageBox final : public QWidget, public Scaled {
    Q_OBJECT
public:
    enum class Fit { Natural, Stretch };

    /// Its accessible name is its tooltip, else the drawing's title; its
    /// description is the drawing's.
    ImageBox(QWidget *parent, const QString &name, Tw place, Drawing drawing,
             const QString &tooltip = {}, Fit fit = Fit::Natural);

    const Drawing &drawing() const { return m_drawing; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    QWidget &scaledWidget() override { return *this; }
    void zoomChanged() override { m_pixmap = QPixmap(); }
    /// The picture as the box shows it, drawn for a device pixel ratio.
    QPixmap drawn(qreal ratio) const;

    Drawing m_drawing;
    Fit m_fit;
    QPixmap m_pixmap; ///< the drawing, for the current pixel ratio, held while shown
};

} // namespace tk
