#pragma once

#include "toolkit/Twips.h"

#include "toolkit/Drawing.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPixmap>
#include <QWidget>
#include <optional>
#include <vector>

namespace tk {

/// \brief A plotting surface: a background picture and a drawing layer above it.
///
/// Coordinates are logical pixels at 100 % from the top-left corner, y
/// downwards, at every scale of the course: a pixel of the drawing covers the
/// device pixels of its place at the scale (whole blocks at whole scales). What
/// is drawn stays (also while the surface or its page is hidden) until clear().
/// Lines follow the raster rule of the course: a segment paints its first
/// pixel and not its last, and is never anti-aliased; at a device pixel ratio
/// of 2 a logical pixel covers exactly 2 x 2 device pixels. On paper, it is
/// painted for the paper's resolution, each pixel of the drawings a whole
/// block of dots, never smoothed.
class PlotSurface final : public QWidget, public Scaled {
    Q_OBJECT
public:
    PlotSurface(QWidget *parent, const QString &name, Tw place,
                std::optional<Drawing> background = std::nullopt, const QString &tooltip = {});

    /// Where a line goes: over what is drawn, or beneath it.
    enum class Depth { Over, Beneath };

    /// \brief A line from (x1, y1) to (x2, y2), first pixel in, last pixel out.
    ///
    /// Drawn beneath, it paints only the pixels where nothing is drawn yet, as
    /// a grid or an axis lies under the traces.
    void drawLine(int x1, int y1, int x2, int y2, const QColor &colour, Depth depth = Depth::Over);

    /// \brief Where the next print starts.
    void setDrawingPosition(int x, int y);
    QPoint drawingPosition() const { return m_position; }

    void setForeground(const QColor &colour) { m_foreground = colour; }
    QColor foreground() const { return m_foreground; }

    /// \brief Prints at the drawing position in the foreground colour, on a
    /// transparent background; the position then moves to the start of the next line.
    void print(const QString &text);

    /// \brief Erases the drawings; the background picture stays.
    void clear();
    /// \brief Draws what is drawn again, in the colours that the session
    /// shows now (high contrast or not).
    void redraw();

    /// \brief Whether an animation is drawing the plot now: a screen reader
    /// hears it with the plot's name, and knows the plot as busy.
    void setBeingDrawn(bool drawing);
    bool isBeingDrawn() const { return m_beingDrawn; }

    /// \brief The colour seen at a logical pixel: drawing over background (tests).
    QColor pixelColour(int x, int y) const;

    /// \brief Whether anything is drawn at a logical pixel (tests).
    bool isDrawnAt(int x, int y) const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    bool m_beingDrawn = false;
    QWidget &scaledWidget() override { return *this; }
    void zoomChanged() override;
    /// Device pixels to one pixel of the drawing: the screen's ratio times the course's scale.
    qreal drawingRatio() const { return devicePixelRatioF() * zoom(); }
    /// A colour of the drawing as the session shows it.
    QColor shown(QRgb rgb, double ratio) const;
    /// \brief Repaints what covers the drawing's rectangle (in its pixels).
    void updateDrawing(const QRect &rect);
    /// A line or a print, as it was asked for, in 24 bytes: a drawing keeps
    /// thousands of them.
    struct Stroke {
        int x1, y1; ///< a line's first point, or where a print's baseline starts
        int x2, y2; ///< a line's last point (left out); for a print, x2 is its index
        QRgb rgb;
        Depth depth;
        bool print;
    };
    /// What a print prints, and in which font.
    struct Print {
        QString text;
        QFont font;
    };
    void rasterise(const Stroke &stroke) const;
    /// Makes the layer at the drawing ratio from the strokes, if it is not so already.
    void ensureLayer() const;
    /// Paints the surface on paper (see paintsForPrint()).
    void paintForPrint(QPainter &painter) const;
    /// The drawings at the drawing ratio, made again from the strokes if need be.
    const QImage &drawings() const;
    void plot(int x, int y, QRgb rgb, Depth depth) const;
    QRect deviceRect(int x, int y, int w, int h) const;

    std::optional<Drawing> m_background;
    /// The drawings, m_ratio device pixels to a pixel; null until drawn, and
    /// while hidden.
    mutable QImage m_layer;
    std::vector<Stroke> m_strokes;
    std::vector<Print> m_prints;      ///< every drawing since the last clear(), in order
    QPixmap m_backgroundPixmap;       ///< the background picture, held while shown
    mutable QImage m_backgroundImage; ///< the same, for reading pixels back (tests)
    mutable qreal m_ratio = 1.0;
    QPoint m_position;
    QColor m_foreground;
};

} // namespace tk
