#pragma once

#include "toolkit/Twips.h"

#include <QTextEdit>
#include <QWidget>
#include <memory>
#include <utility>

namespace tk {

class TextLines;

/// \brief Font and alignment of a text box; the face is always the embedded one.
struct TextStyle {
    int pixelSize = 11; ///< 8.25 pt, the default font
    bool bold = false;
    bool italic = false;
    Qt::Alignment alignment = Qt::AlignLeft;
    bool multiLine = true;
    qreal blankStretch = 0; ///< pixels added to the width of every blank
};

class TextEditor;

/// \brief A text box: text with word wrap, colours, font and alignment.
///
/// Its text uses CR LF line breaks and is kept to the character. Inside an
/// inert frame it is a plain display, which lays its text out once and draws
/// it; otherwise it is either editable, or read-only with a vertical scroll
/// bar (it can then take the focus and scroll), and holds an editor for that.
class TextBox final : public QWidget, public Scaled {
    Q_OBJECT
public:
    enum class Mode { Display, Editable, ReadOnlyScrolling };

    /// A text box inside an inert frame is always a display, whatever \a mode says.
    TextBox(QWidget *parent, const QString &name, Tw place, TextStyle style = {},
            Mode mode = Mode::Display);
    ~TextBox() override;

    void setText(const QString &text);
    QString text() const;
    /// \brief The text as shown: LF line breaks.
    QString plainText() const;

    void setForeground(const QColor &colour);
    QColor foreground() const;
    /// \brief The colour the text is drawn in: the foreground, or in high
    /// contrast the same hue made to stand out on the grey.
    QColor shownForeground() const;

    Mode mode() const { return m_mode; }
    /// \brief A label: the few letters that name a part of a picture. Screen
    /// readers read it as static text, with the picture.
    void setLabel(bool label) { m_label = label; }
    bool isLabel() const { return m_label; }
    /// \brief The editor that the learner types or scrolls in; none for a display.
    TextEditor *editor() const { return m_editor; }

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

    /// \brief The line shown that holds \a offset: [start, end), the line
    /// break that ends a paragraph included.
    std::pair<int, int> lineRange(int offset) const;
    /// \brief The place of the character at \a offset, in the box's coordinates.
    QRect characterRect(int offset) const;
    /// \brief The offset of the character at \a point (box coordinates), or -1.
    int offsetAt(const QPoint &point) const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QWidget &scaledWidget() override { return *this; }
    void zoomChanged() override;
    /// Where the text stands at 100 %: the box less a little room left and right.
    QRect textArea() const;
    /// The display's lines, laid out at the first need.
    const TextLines &lines() const;
    /// The text laid out afresh at the box's width (a hidden editor may not
    /// have laid it out yet).
    std::unique_ptr<TextLines> layOut() const;

    Mode m_mode;
    bool m_label = false;
    TextStyle m_style;
    QString m_text; ///< as shown, LF line breaks (a display's own; an editor holds its own)
    QColor m_foreground;
    TextEditor *m_editor = nullptr;
    mutable std::unique_ptr<TextLines> m_lines;
};

/// \brief The editor of a text box that the learner can type in or scroll.
class TextEditor final : public QTextEdit {
    Q_OBJECT
public:
    TextEditor(TextBox *box, const TextStyle &style);

    TextBox *box() const { return static_cast<TextBox *>(parentWidget()); }
    /// \brief Its font, margins and tab stops at the course's scale \a zoom.
    void setZoom(double zoom);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;

private:
    bool m_multiLine;
    QFont m_baseFont; ///< the box's font, at 100 %
};

} // namespace tk
