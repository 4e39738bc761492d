#include "toolkit/TextBox.h"
#include "palette/Palette.h"
#include "toolkit/ColourScheme.h"
#include "toolkit/Frame.h"
#include "toolkit/PageWindow.h"

#include "fonts/Fonts.h"

#include <QAbstractTextDocumentLayout>
#include <QKeyEvent>
#include <QMimeData>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextOption>
#include <memory>

namespace tk {
namespace {

// Tab stops fall every eight average characters, as in a plain edit control.
constexpr int TabStopCharacters = 8;
// A little room left and right of the text, none above and below.
constexpr int SideMargin = 2;

QString toDisplay(QString text) {
    return text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

} // namespace

TextBox::TextBox(QWidget *parent, const QString &name, Tw place, TextStyle style, Mode mode)
    : QTextEdit(parent), m_mode(Frame::isInsideInert(parent) ? Mode::Display : mode),
      m_blankStretch(style.blankStretch), m_multiLine(style.multiLine),
      m_foreground(palette::WindowText) {
    setObjectName(name);
    setGeometry(place.toPixels());
    setFrameShape(QFrame::NoFrame);
    setAcceptRichText(false);
    setTabChangesFocus(true);
    setUndoRedoEnabled(m_mode == Mode::Editable);
    setFont(fonts::font(style.pixelSize, style.bold, style.italic));
    document()->setDocumentMargin(0);
    setViewportMargins(SideMargin, 0, SideMargin, 0);
    setTabStopDistance(TabStopCharacters * fontMetrics().averageCharWidth());

    QTextOption option = document()->defaultTextOption();
    option.setAlignment(style.alignment);
    option.setWrapMode(m_multiLine ? QTextOption::WrapAtWordBoundaryOrAnywhere
                                   : QTextOption::NoWrap);
    option.setTabStopDistance(tabStopDistance());
    document()->setDefaultTextOption(option);
    setLineWrapMode(m_multiLine ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);

    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(m_mode == Mode::ReadOnlyScrolling ? Qt::ScrollBarAlwaysOn
                                                                 : Qt::ScrollBarAlwaysOff);
    switch (m_mode) {
    case Mode::Display:
        setReadOnly(true);
        setTextInteractionFlags(Qt::NoTextInteraction);
        setFocusPolicy(Qt::NoFocus);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        viewport()->setCursor(Qt::ArrowCursor);
        break;
    case Mode::Editable:
        setReadOnly(false);
        setFocusPolicy(Qt::ClickFocus);
        break;
    case Mode::ReadOnlyScrolling:
        setReadOnly(true);
        setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        setFocusPolicy(Qt::StrongFocus);
        break;
    }
    applyPalette();
}

void TextBox::setText(const QString &text) {
    setPlainText(toDisplay(text));
    stretchBlanks();
}

void TextBox::stretchBlanks() {
    if (m_blankStretch == 0)
        return;
    QTextCharFormat wider;
    wider.setFontLetterSpacingType(QFont::AbsoluteSpacing);
    wider.setFontLetterSpacing(m_blankStretch);
    const QString plain = toPlainText();
    QTextCursor cursor(document());
    for (qsizetype i = 0; i < plain.size(); ++i) {
        if (plain.at(i) != QLatin1Char(' '))
            continue;
        qsizetype end = i;
        while (end < plain.size() && plain.at(end) == QLatin1Char(' '))
            ++end;
        cursor.setPosition(int(i));
        cursor.setPosition(int(end), QTextCursor::KeepAnchor);
        cursor.mergeCharFormat(wider);
        i = end;
    }
}

void TextBox::resetView() {
    QTextCursor start(document());
    setTextCursor(start);
    verticalScrollBar()->setValue(verticalScrollBar()->minimum());
    horizontalScrollBar()->setValue(horizontalScrollBar()->minimum());
}

QString TextBox::text() const {
    return toPlainText().replace(QLatin1Char('\n'), QLatin1String("\r\n"));
}

void TextBox::setForeground(const QColor &colour) {
    m_foreground = colour;
    applyPalette();
}

QColor TextBox::foreground() const {
    return m_foreground;
}

QSizeF TextBox::textExtent() const {
    // Lay the text out afresh at the box's own width (a hidden box may not
    // have laid it out yet); trailing empty lines show nothing and do not count.
    const QSize area = size().shrunkBy(viewportMargins());
    std::unique_ptr<QTextDocument> doc(document()->clone());
    doc->setDefaultFont(font());
    doc->setTextWidth(m_multiLine ? area.width() : -1);
    QAbstractTextDocumentLayout *layout = doc->documentLayout();
    qreal bottom = 0;
    qreal widest = 0;
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
        const QRectF box = layout->blockBoundingRect(block);
        if (!block.text().isEmpty())
            bottom = box.bottom();
        widest = qMax(widest, box.width());
    }
    return QSizeF(widest, bottom);
}

int TextBox::lineCount() const {
    std::unique_ptr<QTextDocument> doc(document()->clone());
    doc->setDefaultFont(font());
    doc->setTextWidth(m_multiLine ? size().shrunkBy(viewportMargins()).width() : -1);
    doc->documentLayout(); // lays the text out
    int lines = 0;
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next())
        lines += block.layout()->lineCount();
    return lines;
}

QRectF TextBox::fragmentRect(const QString &fragment) const {
    const int from = int(toPlainText().indexOf(fragment));
    if (from < 0)
        return {};
    QTextCursor start(document());
    start.setPosition(from);
    QTextCursor end(document());
    end.setPosition(from + int(fragment.size()));
    const QRect a = cursorRect(start);
    const QRect b = cursorRect(end);
    const QPoint offset = viewport()->mapTo(this, QPoint(0, 0));
    return QRectF(QPointF(a.left(), a.top()) + offset, QPointF(b.left(), a.bottom()) + offset);
}

bool TextBox::showsWholeText() const {
    if (m_mode == Mode::ReadOnlyScrolling)
        return true;
    const QSize area = size().shrunkBy(viewportMargins());
    const QSizeF extent = textExtent();
    if (!m_multiLine && extent.width() > area.width() + 0.5)
        return false;
    return extent.height() <= area.height() + 0.5;
}

void TextBox::keyPressEvent(QKeyEvent *event) {
    // Enter and Escape belong to the page (default and cancel buttons).
    if (PageWindow::isPageKey(event))
        event->ignore(); // for the page
    else
        QTextEdit::keyPressEvent(event);
}

void TextBox::insertFromMimeData(const QMimeData *source) {
    if (m_multiLine || !source->hasText()) {
        QTextEdit::insertFromMimeData(source);
        return;
    }
    QString line = source->text();
    line.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    insertPlainText(line);
}

void TextBox::applyPalette() {
    // The same colours in every state: a text in an inert frame is never
    // greyed. A selection shows only while the box has the focus.
    QPalette pal = coursePalette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        pal.setColor(group, QPalette::Base, palette::PageGrey);
        pal.setColor(group, QPalette::Window, palette::PageGrey);
        pal.setColor(group, QPalette::Text, m_foreground);
        pal.setColor(group, QPalette::WindowText, m_foreground);
    }
    pal.setColor(QPalette::Inactive, QPalette::Highlight, palette::PageGrey);
    pal.setColor(QPalette::Inactive, QPalette::HighlightedText, m_foreground);
    setPalette(pal);
    viewport()->setPalette(pal);
}

} // namespace tk
