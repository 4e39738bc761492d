#pragma once

#include "toolkit/Twips.h"

#include <QTextEdit>

namespace tk {

/// \brief Font and alignment of a text box; the face is always the embedded one.
struct TextStyle {
    int pixelSize = 11; ///< 8.25 pt, the default font
    bool bold = false;
    bool italic = false;
    Qt::Alignment alignment = Qt::AlignLeft;
    bool multiLine = true;
    qreal blankStretch = 0; ///< pixels added to the width of every blank
};

/// \brief A text box: text with word wrap, colours, font and alignment.
///
/// Its text uses CR LF line breaks and is kept to the character. Inside an
/// inert frame it is a plain display; otherwise it is either editable, or
/// read-only with a vertical scroll bar (it can then take the focus and scroll).
class TextBox final : public QTextEdit {
    Q_OBJECT
public:
    enum class Mode { Display, Editable, ReadOnlyScrolling };

    /// A text box inside an inert frame is always a display, whatever \a mode says.
    TextBox(QWidget *parent, const QString &name, Tw place, TextStyle style = {},
            Mode mode = Mode::Display);

    void setText(const QString &text);
    QString text() const;

    void setForeground(const QColor &colour);
    QColor foreground() const;

    Mode mode() const { return m_mode; }

    /// \brief Back to the start: scrolled to the top, the caret at the
    /// beginning, nothing selected.
    void resetView();

    /// \brief Whether every line of the text shows whole in the box (scrolling boxes: always).
    bool showsWholeText() const;
    /// \brief Width and height that the text takes at the box's width.
    QSizeF textExtent() const;
    /// \brief Number of lines the text takes in the box, wrapped lines counted.
    int lineCount() const;
    /// \brief Where the first occurrence of \a fragment (on one line) is
    /// drawn, in the box's coordinates; empty if the text does not hold it.
    QRectF fragmentRect(const QString &fragment) const;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;

private:
    void applyPalette();
    void stretchBlanks();

    Mode m_mode;
    qreal m_blankStretch;
    bool m_multiLine;
    QColor m_foreground;
};

} // namespace tk
