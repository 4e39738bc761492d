#include "toolkit/Accessibility.h"
#include "toolkit/Button.h"
#include "toolkit/Frame.h"
#include "toolkit/HostWindow.h"
#include "toolkit/ImageBox.h"
#include "toolkit/PageWindow.h"
#include "toolkit/PlotSurface.h"
#include "toolkit/TextBox.h"

#include <QAbstractTextDocumentLayout>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QPointer>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QTimer>
#include <utility>

namespace tk {
namespace {

// The course's window, named by the caption of the page it shows.
class HostAccessible final : public QAccessibleWidget {
public:
    explicit HostAccessible(HostWindow *window) : QAccessibleWidget(window, QAccessible::Window) {}
};

// A page: named by its caption as the window is while it shows the page, and
// read as a dialog is when the focus comes into it: its name, then what it
// shows (its reading, as its description), then the control with the focus.
class PageAccessible final : public QAccessibleWidget {
public:
    explicit PageAccessible(PageWindow *page) : QAccessibleWidget(page, QAccessible::Dialog) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Description)
            return static_cast<const PageWindow *>(widget())->reading();
        return QAccessibleWidget::text(t);
    }
    // Active with its window: the page shown is where the learner is, not a
    // dialog left waiting beside it.
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.active = widget()->isVisible() && widget()->window()->isActiveWindow();
        return s;
    }
};

// A control that has no accessible parts of its own.
class LeafAccessible : public QAccessibleWidget {
public:
    using QAccessibleWidget::QAccessibleWidget;
    int childCount() const override { return 0; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
};

class ButtonAccessible final : public LeafAccessible {
public:
    explicit ButtonAccessible(Button *button) : LeafAccessible(button, QAccessible::PushButton) {}

    QAccessible::State state() const override {
        QAccessible::State s = LeafAccessible::state();
        const auto *b = static_cast<const Button *>(widget());
        s.pressed = b->isDown();
        s.defaultButton = b->isDefault();
        return s;
    }
    QStringList actionNames() const override { return {pressAction(), setFocusAction()}; }
    void doAction(const QString &action) override {
        auto *b = static_cast<Button *>(widget());
        if (action == pressAction())
            b->press();
        else if (action == setFocusAction() && b->isVisible())
            b->setFocus(Qt::OtherFocusReason);
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }
};

// A picture or a plot: an image, with what it teaches as its description.
class ImageAccessible final : public QAccessibleWidget, public QAccessibleImageInterface {
public:
    explicit ImageAccessible(QWidget *picture) : QAccessibleWidget(picture, QAccessible::Graphic) {}

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        if (const auto *plot = qobject_cast<const PlotSurface *>(widget()))
            s.busy = plot->isBeingDrawn(); // an animation is drawing it
        return s;
    }

    QString imageDescription() const override { return widget()->accessibleDescription(); }
    QSize imageSize() const override { return widget()->size(); }
    QPoint imagePosition() const override { return widget()->mapToGlobal(QPoint(0, 0)); }

    void *interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ImageInterface)
            return static_cast<QAccessibleImageInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }
};

// A text box: a text, read-only unless the learner may type in it; its
// name says what it is, its text is its value. A display is its own
// accessible text; a box with an editor is read through its editor, which
// takes the focus.
class TextAccessible final : public LeafAccessible,
                             public QAccessibleTextInterface,
                             public QAccessibleEditableTextInterface {
public:
    TextAccessible(QWidget *widget, TextBox *box)
        : LeafAccessible(widget, QAccessible::EditableText), m_box(box) {}

    QAccessible::Role role() const override {
        return m_box->isLabel() ? QAccessible::StaticText : QAccessible::EditableText;
    }

    QAccessible::State state() const override {
        QAccessible::State s = LeafAccessible::state();
        s.readOnly = !editable();
        s.editable = editable();
        s.multiLine = !m_box->isLabel();
        s.selectableText = selectable();
        if (m_box->isLabel())
            s.focusable = false; // read with its picture, never a field to fill
        return s;
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value)
            return plain();
        if ((t == QAccessible::Name || t == QAccessible::Description) && editor())
            return t == QAccessible::Name ? m_box->accessibleName()
                                          : m_box->accessibleDescription();
        return LeafAccessible::text(t);
    }
    void *interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        if (type == QAccessible::EditableTextInterface && editable())
            return static_cast<QAccessibleEditableTextInterface *>(this);
        return LeafAccessible::interface_cast(type);
    }

    // QAccessibleTextInterface
    void selection(int index, int *start, int *end) const override {
        *start = *end = 0;
        if (!editor())
            return;
        const QTextCursor c = editor()->textCursor();
        if (index == 0 && c.hasSelection()) {
            *start = c.selectionStart();
            *end = c.selectionEnd();
        }
    }
    int selectionCount() const override {
        return editor() && editor()->textCursor().hasSelection() ? 1 : 0;
    }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int) override {
        if (!selectable())
            return;
        QTextCursor c = editor()->textCursor();
        c.clearSelection();
        editor()->setTextCursor(c);
    }
    void setSelection(int, int start, int end) override {
        if (!selectable())
            return;
        QTextCursor c(editor()->document());
        c.setPosition(clamp(start));
        c.setPosition(clamp(end), QTextCursor::KeepAnchor);
        editor()->setTextCursor(c);
    }
    int cursorPosition() const override { return editor() ? editor()->textCursor().position() : 0; }
    void setCursorPosition(int position) override {
        if (!selectable())
            return;
        QTextCursor c(editor()->document());
        c.setPosition(clamp(position));
        editor()->setTextCursor(c);
    }
    QString text(int start, int end) const override { return plain().mid(start, end - start); }
    int characterCount() const override { return int(plain().size()); }
    QRect characterRect(int offset) const override {
        const QRect here = m_box->characterRect(offset);
        return QRect(m_box->mapToGlobal(here.topLeft()), here.size());
    }
    int offsetAtPoint(const QPoint &point) const override {
        return m_box->offsetAt(m_box->mapFromGlobal(point));
    }
    void scrollToSubstring(int start, int) override {
        if (!editor())
            return; // a display shows its whole text
        const QRect line = m_box->characterRect(clamp(start));
        const QPoint inViewport = editor()->viewport()->mapFrom(m_box, line.topLeft());
        QScrollBar *bar = editor()->verticalScrollBar();
        bar->setValue(bar->value() + inViewport.y());
    }
    QString attributes(int offset, int *start, int *end) const override {
        *start = 0;
        *end = characterCount();
        Q_UNUSED(offset);
        return QStringLiteral("language:fr-FR;"); // the course speaks French
    }
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int *start,
                         int *end) const override {
        if (boundary != QAccessible::LineBoundary)
            return QAccessibleTextInterface::textAtOffset(offset, boundary, start, end);
        std::tie(*start, *end) = m_box->lineRange(offset);
        return text(*start, *end);
    }
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int *start,
                             int *end) const override {
        if (boundary != QAccessible::LineBoundary)
            return QAccessibleTextInterface::textBeforeOffset(offset, boundary, start, end);
        const int lineStart = m_box->lineRange(offset).first;
        if (lineStart == 0) {
            *start = *end = 0;
            return {};
        }
        return textAtOffset(lineStart - 1, boundary, start, end);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int *start,
                            int *end) const override {
        if (boundary != QAccessible::LineBoundary)
            return QAccessibleTextInterface::textAfterOffset(offset, boundary, start, end);
        const int lineEnd = m_box->lineRange(offset).second;
        if (lineEnd >= characterCount()) {
            *start = *end = characterCount();
            return {};
        }
        return textAtOffset(lineEnd, boundary, start, end);
    }

    // QAccessibleEditableTextInterface
    void deleteText(int start, int end) override { replaceText(start, end, QString()); }
    void insertText(int offset, const QString &text) override { replaceText(offset, offset, text); }
    void replaceText(int start, int end, const QString &text) override {
        if (!editable())
            return;
        QTextCursor c(editor()->document());
        c.setPosition(clamp(start));
        c.setPosition(clamp(end), QTextCursor::KeepAnchor);
        c.insertText(text);
    }

private:
    TextEditor *editor() const { return m_box->editor(); }
    QString plain() const { return m_box->plainText(); }
    bool editable() const { return m_box->mode() == TextBox::Mode::Editable && !m_box->isLabel(); }
    bool selectable() const {
        return editor() &&
               (editor()->textInteractionFlags().testFlag(Qt::TextSelectableByKeyboard) ||
                editor()->textInteractionFlags().testFlag(Qt::TextSelectableByMouse));
    }
    int clamp(int offset) const { return qBound(0, offset, characterCount()); }

    TextBox *m_box;
};

class NoticeAccessible final : public LeafAccessible {
public:
    explicit NoticeAccessible(Notice *notice) : LeafAccessible(notice, QAccessible::Notification) {}
};

bool isToolkitControl(const QObject *object) {
    return qobject_cast<const Button *>(object) || qobject_cast<const TextBox *>(object) ||
           qobject_cast<const TextEditor *>(object) || qobject_cast<const ImageBox *>(object) ||
           qobject_cast<const PlotSurface *>(object) || qobject_cast<const Frame *>(object) ||
           qobject_cast<const PageWindow *>(object);
}

QAccessibleInterface *factory(const QString &, QObject *object) {
    if (auto *window = qobject_cast<HostWindow *>(object))
        return new HostAccessible(window);
    if (auto *page = qobject_cast<PageWindow *>(object))
        return new PageAccessible(page);
    if (auto *button = qobject_cast<Button *>(object))
        return new ButtonAccessible(button);
    if (auto *editor = qobject_cast<TextEditor *>(object))
        return new TextAccessible(editor, editor->box());
    if (auto *box = qobject_cast<TextBox *>(object); box && !box->editor())
        return new TextAccessible(box, box);
    if (qobject_cast<ImageBox *>(object) || qobject_cast<PlotSurface *>(object) ||
        (object && object->isWidgetType() &&
         object->property(accessibility::ImageProperty).toBool()))
        return new ImageAccessible(static_cast<QWidget *>(object));
    if (auto *notice = qobject_cast<Notice *>(object))
        return new NoticeAccessible(notice);
    return nullptr;
}

// A control that is shown becomes a new accessible object: what a screen
// reader learnt of it while it was hidden (that it was not visible) does not
// stay with it, since the window system tells readers only that it is showing.
class ShowWatcher final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        const QEvent::Type type = event->type();
        if ((type != QEvent::Show && type != QEvent::Hide) || !QAccessible::isActive() ||
            !isToolkitControl(watched))
            return false;
        auto *control = static_cast<QWidget *>(watched);
        if (type == QEvent::Show)
            renew(control);
        if (PageWindow *page = PageWindow::of(control->parentWidget()))
            readingMayChange(page);
        return false;
    }

private:
    // What a page shows has changed: once the handler has returned, readers
    // that keep the page's description hear that it is new.
    void readingMayChange(PageWindow *page) {
        if (m_changed.contains(page))
            return;
        m_changed << page;
        QTimer::singleShot(0, this, [this] {
            const QList<QPointer<PageWindow>> pages = std::exchange(m_changed, {});
            for (PageWindow *page : pages) {
                if (!page)
                    continue;
                const QString reading = page->reading();
                if (page->property(LastReading).toString() == reading)
                    continue;
                page->setProperty(LastReading, reading);
                QAccessibleEvent changed(page, QAccessible::DescriptionChanged);
                QAccessible::updateAccessibility(&changed);
            }
        });
    }

    static constexpr const char *LastReading = "tk-reading";
    QList<QPointer<PageWindow>> m_changed;

    static void renew(QWidget *control) {
        QAccessibleInterface *old = QAccessible::queryAccessibleInterface(control);
        if (!old)
            return;
        QAccessibleEvent gone(old, QAccessible::ObjectDestroyed);
        QAccessible::updateAccessibility(&gone);
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(old));
        QAccessibleEvent created(control, QAccessible::ObjectCreated);
        QAccessible::updateAccessibility(&created);
    }
};

} // namespace

namespace accessibility {

void showAsImage(QWidget *widget) {
    widget->setProperty(ImageProperty, true);
}

void install() {
    QCoreApplication *app = QCoreApplication::instance();
    const QString marker = QStringLiteral("tk::accessibility");
    if (!app || app->findChild<QObject *>(marker, Qt::FindDirectChildrenOnly))
        return;
    QAccessible::installFactory(&factory);
    auto *watcher = new ShowWatcher(app);
    watcher->setObjectName(marker);
    app->installEventFilter(watcher);
}

} // namespace accessibility

Announcer::Announcer(QWidget *window) : QObject(window) {
    setObjectName(QStringLiteral("Annonce"));
}

void Announcer::announce(const QString &message) {
    if (message.isEmpty())
        return;
    if (m_pending.isEmpty())
        QTimer::singleShot(0, this, &Announcer::appear);
    else
        m_pending += QLatin1Char(' ');
    m_pending += message;
}

void Announcer::appear() {
    // A notification that appears is spoken by screen readers. It is hidden
    // again soon after, so that a review of the page does not read it, and
    // kept a while longer for a reader that asks what it said.
    auto *notice = new Notice(static_cast<QWidget *>(parent()), m_pending);
    m_last = std::exchange(m_pending, {});
    notice->show();
    QTimer::singleShot(ShownMs, notice, &QWidget::hide);
    QTimer::singleShot(KeptMs, notice, &QObject::deleteLater);
}

Notice::Notice(QWidget *window, const QString &message) : QWidget(window) {
    setObjectName(QStringLiteral("Annonce"));
    setAccessibleName(message);
    setGeometry(0, 0, 1, 1);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

} // namespace tk
