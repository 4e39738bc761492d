#include "toolkit/TextBox.h"
#include "palette/Palette.h"
#include "toolkit/ColourScheme.h"
#include "toolkit/Frame.h"
#include "toolkit/PageWindow.h"
#include "toolkit/TextLines.h"

#include "fonts/Fonts.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextOption>
#include <cmath>

namespace tk {
namespace {

// Tab stops fall every eight average characters, as in a plain edit control.
constexpr int TabStopCharacters = 8;
// A little room left and right of the text, none above and below.
constexpr int SideMargin = 2;

QString toDisplay(QString text) {
    return text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

qreal tabStop(const QFont &font) {
    return TabStopCharacters * QFontMetrics(font).averageCharWidth();
}

} // namespace

TextBox::TextBox(QWidget *parent, const QString &name, Tw place, TextStyle style, Mode mode)
    : QWidget(parent), Scaled(place), m_mode(Frame::isInsideInert(parent) ? Mode::Display : mode),
      m_style(style), m_foreground(palette::WindowText) {
    setObjectName(name);
    setGeometry(place.toPixels());
    setFont(fonts::font(style.pixelSize, style.bold, style.italic));
    if (m_mode == Mode::Display) {
        // Shown, never touched: the clicks go to what lies beneath.
        setFocusPolicy(Qt::NoFocus);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        return;
    }
    m_editor = new TextEditor(this, style);
    m_editor->setGeometry(rect());
    setFocusProxy(m_editor);
    setForeground(m_foreground);
}

TextBox::~TextBox() = default;

void TextBox::setText(const QString &text) {
    if (m_editor) {
        m_editor->setPlainText(toDisplay(text));
        // The editor keeps the wider blanks in its document.
        QTextCursor cursor(m_editor->document());
        for (const QTextLayout::FormatRange &blanks :
             TextLines::widerBlanks(m_editor->toPlainText(), m_style.blankStretch)) {
            cursor.setPosition(blanks.start);
            cursor.setPosition(blanks.start + blanks.length, QTextCursor::KeepAnchor);
            cursor.mergeCharFormat(blanks.format);
        }
        return;
    }
    m_text = toDisplay(text);
    m_lines.reset();
    update();
}

QString TextBox::plainText() const {
    return m_editor ? m_editor->toPlainText() : m_text;
}

QString TextBox::text() const {
    return plainText().replace(QLatin1Char('\n'), QLatin1String("\r\n"));
}

void TextBox::setForeground(const QColor &colour) {
    m_foreground = colour;
    const QColor shown = shownForeground();
    if (m_editor) {
        // The same colours in every state. A selection shows only while the
        // box has the focus.
        QPalette pal = coursePalette();
        for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            pal.setColor(group, QPalette::Base, palette::PageGrey);
            pal.setColor(group, QPalette::Window, palette::PageGrey);
            pal.setColor(group, QPalette::Text, shown);
            pal.setColor(group, QPalette::WindowText, shown);
        }
        pal.setColor(QPalette::Inactive, QPalette::Highlight, palette::PageGrey);
        pal.setColor(QPalette::Inactive, QPalette::HighlightedText, shown);
        m_editor->setPalette(pal);
        m_editor->viewport()->setPalette(pal);
    }
    update();
}

QColor TextBox::foreground() const {
    return m_foreground;
}

QColor TextBox::shownForeground() const {
    const PageWindow *page = PageWindow::of(this);
    return page ? page->session().appearance().shown(m_foreground, TextContrast) : m_foreground;
}

void TextBox::resetView() {
    if (!m_editor)
        return;
    m_editor->setTextCursor(QTextCursor(m_editor->document()));
    m_editor->verticalScrollBar()->setValue(m_editor->verticalScrollBar()->minimum());
    m_editor->horizontalScrollBar()->setValue(m_editor->horizontalScrollBar()->minimum());
}

QRect TextBox::textArea() const {
    return QRect(QPoint(0, 0), unscaledSize()).adjusted(SideMargin, 0, -SideMargin, 0);
}

std::unique_ptr<TextLines> TextBox::layOut() const {
    fonts::registerFor(font());
    const TextLines::Style style{.font = font(),
                                 .alignment = m_style.alignment,
                                 .wrap = m_style.multiLine,
                                 .tabStop = tabStop(font()),
                                 .blankStretch = m_style.blankStretch};
    return std::make_unique<TextLines>(plainText(), style, textArea().width());
}

const TextLines &TextBox::lines() const {
    if (!m_lines)
        m_lines = layOut();
    return *m_lines;
}

QSizeF TextBox::textExtent() const {
    return (m_editor ? *layOut() : lines()).extent();
}

int TextBox::lineCount() const {
    return (m_editor ? *layOut() : lines()).lineCount();
}

QRectF TextBox::fragmentRect(const QString &fragment) const {
    const int from = int(plainText().indexOf(fragment));
    if (from < 0)
        return {};
    const std::unique_ptr<TextLines> fresh = m_editor ? layOut() : nullptr;
    const TextLines &laidOut = fresh ? *fresh : lines();
    const QRectF a = laidOut.caretRect(from);
    const QRectF b = laidOut.caretRect(from + int(fragment.size()));
    const QRectF base = QRectF(QPointF(a.left(), a.top()), QPointF(b.left(), a.bottom()))
                            .translated(textArea().topLeft());
    return QRectF(base.topLeft() * zoom(), base.size() * zoom());
}

bool TextBox::showsWholeText() const {
    if (m_mode == Mode::ReadOnlyScrolling)
        return true;
    if (m_editor && isVisible()) {
        // As the editor lays the text out now, at its scale and with the
        // font engine of the screen.
        const QSizeF laidOut = m_editor->document()->size();
        const QSize shown = m_editor->viewport()->size();
        if (laidOut.height() > shown.height() + 0.5 ||
            (!m_style.multiLine && laidOut.width() > shown.width() + 0.5))
            return false;
    }
    const QSize area = textArea().size();
    const QSizeF extent = textExtent();
    if (!m_style.multiLine && extent.width() > area.width() + 0.5)
        return false;
    return extent.height() <= area.height() + 0.5;
}

std::pair<int, int> TextBox::lineRange(int offset) const {
    if (!m_editor)
        return lines().lineRange(offset);
    // The editor's own lines, as it shows them.
    const QTextDocument *document = m_editor->document();
    const int count = int(plainText().size());
    const QTextBlock block = document->findBlock(qBound(0, offset, qMax(0, count - 1)));
    if (!block.isValid())
        return {0, count};
    const int blockEnd = block.position() + block.length() - 1; // before the separator
    const int breakEnd = block.next().isValid() ? blockEnd + 1 : blockEnd;
    const QTextLayout *layout = block.layout();
    const QTextLine line = layout ? layout->lineForTextPosition(qBound(0, offset - block.position(),
                                                                       qMax(0, block.length() - 1)))
                                  : QTextLine();
    if (!line.isValid())
        return {block.position(), breakEnd};
    const int start = block.position() + line.textStart();
    const int end = start + line.textLength();
    return {start, end >= blockEnd ? breakEnd : end};
}

QRect TextBox::characterRect(int offset) const {
    const int count = int(plainText().size());
    const auto clamp = [count](int at) { return qBound(0, at, count); };
    if (!m_editor) {
        const QRectF here = lines().caretRect(clamp(offset));
        const QRectF there = lines().caretRect(clamp(offset + 1));
        const qreal width = there.top() == here.top() && there.left() > here.left()
                                ? there.left() - here.left()
                                : fontMetrics().averageCharWidth();
        const QRectF base =
            QRectF(here.topLeft(), QSizeF(width, here.height())).translated(textArea().topLeft());
        return QRectF(base.topLeft() * zoom(), base.size() * zoom()).toAlignedRect();
    }
    QTextCursor at(m_editor->document());
    at.setPosition(clamp(offset));
    const QRect here = m_editor->cursorRect(at);
    QTextCursor next(m_editor->document());
    next.setPosition(clamp(offset + 1));
    const QRect there = m_editor->cursorRect(next);
    const int width = there.top() == here.top() && there.left() > here.left()
                          ? there.left() - here.left()
                          : fontMetrics().averageCharWidth();
    return QRect(m_editor->viewport()->mapTo(this, here.topLeft()), QSize(width, here.height()));
}

int TextBox::offsetAt(const QPoint &point) const {
    if (!m_editor) {
        const QPoint base = (QPointF(point) / zoom()).toPoint();
        if (!textArea().contains(base))
            return -1;
        return lines().offsetAt(base - textArea().topLeft());
    }
    const QPoint local = m_editor->viewport()->mapFrom(this, point);
    if (!m_editor->viewport()->rect().contains(local))
        return -1;
    return m_editor->cursorForPosition(local).position();
}

void TextBox::paintEvent(QPaintEvent *) {
    if (m_editor)
        return; // the editor draws the text
    QPainter painter(this);
    // Laid out at 100 % and drawn at the course's scale: the same lines at
    // every scale, in glyphs drawn for the pixels they cover.
    painter.scale(zoom(), zoom());
    const QRect area = textArea();
    painter.fillRect(area, palette::PageGrey);
    painter.setClipRect(area);
    painter.setPen(shownForeground());
    lines().draw(painter, area.topLeft());
}

void TextBox::zoomChanged() {
    if (m_editor)
        m_editor->setZoom(zoom());
}

void TextBox::changeEvent(QEvent *event) {
    if (event->type() == QEvent::FontChange)
        m_lines.reset();
    QWidget::changeEvent(event);
}

void TextBox::resizeEvent(QResizeEvent *event) {
    m_lines.reset();
    if (m_editor)
        m_editor->setGeometry(rect());
    QWidget::resizeEvent(event);
}

TextEditor::TextEditor(TextBox *box, const TextStyle &style)
    : QTextEdit(box), m_multiLine(style.multiLine), m_baseFont(box->font()) {
    fonts::registerFor(font());
    setObjectName(box->objectName() + QStringLiteral("-editeur"));
    setFrameShape(QFrame::NoFrame);
    setAcceptRichText(false);
    setTabChangesFocus(true);
    setUndoRedoEnabled(box->mode() == TextBox::Mode::Editable);
    document()->setDocumentMargin(0);
    setViewportMargins(SideMargin, 0, SideMargin, 0);
    setTabStopDistance(tabStop(font()));

    QTextOption option = document()->defaultTextOption();
    option.setAlignment(style.alignment);
    option.setWrapMode(m_multiLine ? QTextOption::WrapAtWordBoundaryOrAnywhere
                                   : QTextOption::NoWrap);
    option.setTabStopDistance(tabStopDistance());
    document()->setDefaultTextOption(option);
    setLineWrapMode(m_multiLine ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);

    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const bool scrolling = box->mode() == TextBox::Mode::ReadOnlyScrolling;
    setVerticalScrollBarPolicy(scrolling ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    if (scrolling) {
        setReadOnly(true);
        setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        setFocusPolicy(Qt::StrongFocus);
    } else {
        setReadOnly(false);
        setFocusPolicy(Qt::ClickFocus);
    }
}

void TextEditor::setZoom(double zoom) {
    QFont scaled = m_baseFont;
    if (m_baseFont.pixelSize() > 0)
        // Never larger than the scale makes it: a font rounded up would be
        // wider than the box, which only grows by the scale, and the text
        // would take one line more than the box shows.
        scaled.setPixelSize(qMax(1, int(std::floor(m_baseFont.pixelSize() * zoom + 1e-9))));
    setFont(scaled);
    const int margin = qRound(SideMargin * zoom);
    setViewportMargins(margin, 0, margin, 0);
    setTabStopDistance(tabStop(scaled));
    QTextOption option = document()->defaultTextOption();
    option.setTabStopDistance(tabStopDistance());
    document()->setDefaultTextOption(option);
}

void TextEditor::keyPressEvent(QKeyEvent *event) {
    // Enter and Escape belong to the page (default and cancel buttons).
    if (PageWindow::isPageKey(event))
        event->ignore(); // for the page
    else
        QTextEdit::keyPressEvent(event);
}

void TextEditor::insertFromMimeData(const QMimeData *source) {
    if (m_multiLine || !source->hasText()) {
        QTextEdit::insertFromMimeData(source);
        return;
    }
    QString line = source->text();
    line.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    insertPlainText(line);
}

} // namespace tk
