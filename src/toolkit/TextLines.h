#pragma once

#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QTextLayout>
#include <memory>
#include <utility>
#include <vector>

class QPainter;

namespace tk {

/// \brief A plain text laid out once in lines for a given width, as a text
/// box shows it: one paragraph for each line break, wrapped at word
/// boundaries (or anywhere, for a word wider than the box), aligned, with
/// tab stops and, if asked, wider blanks. The lines follow each other at the
/// height of the face, leading included; the first one starts at the top.
class TextLines {
public:
    struct Style {
        QFont font;
        Qt::Alignment alignment = Qt::AlignLeft;
        bool wrap = true;       ///< false: one line for each paragraph, however long
        qreal tabStop = 80;     ///< distance between tab stops, in pixels
        qreal blankStretch = 0; ///< pixels added to the width of every blank
    };

    /// \a text uses LF line breaks.
    TextLines(const QString &text, const Style &style, qreal width);
    ~TextLines();
    TextLines(const TextLines &) = delete;
    TextLines &operator=(const TextLines &) = delete;

    /// \brief Draws the text with the painter's pen, its top left corner at \a origin.
    void draw(QPainter &painter, const QPointF &origin) const;

    /// \brief Number of lines, wrapped lines and empty paragraphs counted.
    int lineCount() const;
    /// \brief Width of the widest line's text, and bottom of the last
    /// paragraph that holds a character (trailing empty lines show nothing).
    QSizeF extent() const;

    /// \brief The line that holds \a offset: [start, end), the line break
    /// that ends a paragraph included.
    std::pair<int, int> lineRange(int offset) const;
    /// \brief The caret's place before the character at \a offset: its x,
    /// the top and the height of its line, one pixel wide.
    QRectF caretRect(int offset) const;
    /// \brief The offset of the character boundary nearest to \a point.
    int offsetAt(const QPointF &point) const;

    /// \brief The runs of blanks of \a text, each with the letter spacing
    /// that makes its blanks \a stretch pixels wider (none if no stretch).
    static QList<QTextLayout::FormatRange> widerBlanks(const QString &text, qreal stretch);

private:
    struct Paragraph {
        int start;                           ///< offset of its first character in the text
        int length;                          ///< without its line break
        std::unique_ptr<QTextLayout> layout; ///< lines placed from the text's top
    };
    const Paragraph &paragraphAt(int offset) const;

    std::vector<Paragraph> m_paragraphs;
    int m_size = 0;
};

} // namespace tk
