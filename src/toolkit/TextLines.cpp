#include "toolkit/TextLines.h"

#include <QPainter>
#include <QTextLayout>
#include <QTextOption>

namespace tk {

QList<QTextLayout::FormatRange> TextLines::widerBlanks(const QString &text, qreal stretch) {
    QList<QTextLayout::FormatRange> ranges;
    if (stretch == 0)
        return ranges;
    QTextCharFormat wider;
    wider.setFontLetterSpacingType(QFont::AbsoluteSpacing);
    wider.setFontLetterSpacing(stretch);
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) != QLatin1Char(' '))
            continue;
        qsizetype end = i;
        while (end < text.size() && text.at(end) == QLatin1Char(' '))
            ++end;
        ranges.append({int(i), int(end - i), wider});
        i = end;
    }
    return ranges;
}

TextLines::TextLines(const QString &text, const Style &style, qreal width) {
    QTextOption option;
    option.setAlignment(style.alignment);
    option.setWrapMode(style.wrap ? QTextOption::WrapAtWordBoundaryOrAnywhere
                                  : QTextOption::ManualWrap);
    option.setTabStopDistance(style.tabStop);

    m_size = int(text.size());
    qreal y = 0;
    int start = 0;
    for (const QStringView line : QStringView(text).split(u'\n')) {
        auto layout = std::make_unique<QTextLayout>(line.toString(), style.font);
        layout->setTextOption(option);
        layout->setFormats(widerBlanks(layout->text(), style.blankStretch));
        // The lines are kept; the glyphs are shaped again when drawn rather
        // than held for every box of every page.
        layout->setCacheEnabled(false);
        layout->beginLayout();
        for (QTextLine row = layout->createLine(); row.isValid(); row = layout->createLine()) {
            row.setLeadingIncluded(true);
            row.setLineWidth(width);
            row.setPosition(QPointF(0, y));
            y += row.height();
        }
        layout->endLayout();
        m_paragraphs.push_back({start, int(line.size()), std::move(layout)});
        start += int(line.size()) + 1;
    }
}

TextLines::~TextLines() = default;

void TextLines::draw(QPainter &painter, const QPointF &origin) const {
    for (const Paragraph &paragraph : m_paragraphs)
        paragraph.layout->draw(&painter, origin);
}

int TextLines::lineCount() const {
    int lines = 0;
    for (const Paragraph &paragraph : m_paragraphs)
        lines += paragraph.layout->lineCount();
    return lines;
}

QSizeF TextLines::extent() const {
    qreal widest = 0;
    qreal bottom = 0;
    for (const Paragraph &paragraph : m_paragraphs) {
        const QTextLayout &layout = *paragraph.layout;
        for (int i = 0; i < layout.lineCount(); ++i)
            widest = qMax(widest, layout.lineAt(i).naturalTextWidth());
        if (paragraph.length > 0) {
            const QTextLine last = layout.lineAt(layout.lineCount() - 1);
            bottom = last.y() + last.height();
        }
    }
    return {widest, bottom};
}

const TextLines::Paragraph &TextLines::paragraphAt(int offset) const {
    const int at = qBound(0, offset, m_size);
    for (const Paragraph &paragraph : m_paragraphs) {
        if (at <= paragraph.start + paragraph.length)
            return paragraph;
    }
    return m_paragraphs.back();
}

std::pair<int, int> TextLines::lineRange(int offset) const {
    const Paragraph &paragraph = paragraphAt(offset);
    const int end = paragraph.start + paragraph.length;
    const int breakEnd = end < m_size ? end + 1 : end;
    const QTextLine line = paragraph.layout->lineForTextPosition(
        qBound(0, offset - paragraph.start, paragraph.length));
    if (!line.isValid())
        return {paragraph.start, breakEnd};
    const int lineStart = paragraph.start + line.textStart();
    const int lineEnd = lineStart + line.textLength();
    return {lineStart, lineEnd >= end ? breakEnd : lineEnd};
}

QRectF TextLines::caretRect(int offset) const {
    const Paragraph &paragraph = paragraphAt(offset);
    const int inParagraph = qBound(0, offset - paragraph.start, paragraph.length);
    const QTextLine line = paragraph.layout->lineForTextPosition(inParagraph);
    if (!line.isValid())
        return {};
    return {line.cursorToX(inParagraph), line.y(), 1, line.height()};
}

int TextLines::offsetAt(const QPointF &point) const {
    const Paragraph *nearest = &m_paragraphs.front();
    QTextLine nearestLine = nearest->layout->lineAt(0);
    for (const Paragraph &paragraph : m_paragraphs) {
        for (int i = 0; i < paragraph.layout->lineCount(); ++i) {
            const QTextLine line = paragraph.layout->lineAt(i);
            if (line.y() <= point.y()) {
                nearest = &paragraph;
                nearestLine = line;
            }
        }
    }
    return nearest->start + nearestLine.xToCursor(point.x());
}

} // namespace tk
