#pragma once

#include "art/Catalogue.h"

#include <QHash>
#include <QIcon>
#include <QImage>
#include <QList>
#include <QPixmap>
#include <QSize>
#include <future>
#include <initializer_list>

class QPainter;

/// \brief Every picture and icon of the course, drawn by code.
///
/// Pictures are painted in logical pixels on a painter whose origin is the
/// picture's top-left corner; a Renderer renders them for a device pixel
/// ratio, so they are as sharp at 200 % as at 100 %. The catalogue
/// (art/Catalogue.h) lists them, one row each.
namespace art {

enum class Picture {
#define ART_PICTURE_ID(id, ...) id,
    ART_PICTURES(ART_PICTURE_ID)
#undef ART_PICTURE_ID
};

enum class Icon {
#define ART_ICON_ID(id, painter, baked) id,
    ART_ICONS(ART_ICON_ID)
#undef ART_ICON_ID
};

/// \brief Every picture, in the catalogue's order.
QList<Picture> pictures();

/// \brief Size of a picture in logical pixels.
QSize size(Picture picture);

/// \brief What the picture is, in a few French words: its name for screen
/// readers where it has no tooltip.
QString title(Picture picture);

/// \brief What the picture shows and teaches, in French, for screen readers.
QString description(Picture picture);

/// \brief The identifier of the picture ("Photo").
QString name(Picture picture);

/// \brief Paints the picture at the painter's origin, in logical pixels.
void paint(Picture picture, QPainter &painter);

/// \brief Whether the program embeds the picture drawn at build time at 100 %.
bool isBaked(Picture picture);
/// \brief The file name of a picture drawn at build time.
QString bakedName(Picture picture);

/// \brief The icon, drawn for whatever size and ratio it is asked for. A
/// window shows it at the window icon sizes, which an icon embedded ready-made
/// has drawn at build time.
QIcon icon(Icon icon);

/// \brief Every icon, in the catalogue's order.
QList<Icon> icons();

/// \brief The icon drawn afresh in a square of \a pixels.
QImage drawIcon(Icon icon, int pixels);

/// \brief The sizes of a window icon, in logical pixels.
QList<int> windowIconSizes();
/// \brief The pixel sizes at which an icon is drawn at build time: the
/// window icon sizes at 100 %, 150 % and 200 %.
QList<int> bakedIconPixels();
/// \brief Whether the program embeds the icon drawn at build time.
bool isBaked(Icon icon);
/// \brief The file name of an icon drawn at build time at \a pixels.
QString bakedName(Icon icon, int pixels);

/// \brief Paints the icon's design for \a designSize (16 or 32) in a square of that size.
void paintIcon(Icon icon, QPainter &painter, int designSize);

/// \brief Renders pictures for a device pixel ratio: the one embedded at
/// 100 % where the program has it, else drawn; pictures can be started on a
/// worker thread ahead of their first use.
class Renderer final {
public:
    Renderer() = default;
    ~Renderer();
    Renderer(const Renderer &) = delete;
    Renderer &operator=(const Renderer &) = delete;

    /// \brief The picture rendered for a device pixel ratio (not kept: the
    /// boxes that show a picture hold it while they are shown).
    QPixmap pixmap(Picture picture, qreal devicePixelRatio);

    /// \brief Starts drawing the pictures on a worker thread, so that they are
    /// ready (or nearly) when pixmap() first asks for them.
    void prerender(std::initializer_list<Picture> pictures, qreal devicePixelRatio);

private:
    QHash<QPair<int, int>, std::shared_future<QImage>> m_pending; ///< pictures being drawn
};

} // namespace art
