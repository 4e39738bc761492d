#pragma once

#include <QWidget>

class QTimer;

/// \brief What the toolkit tells screen readers: the role, name, description,
/// state and text of every page and control, and every change to them.
///
/// The course is a window named by the page it shows, each page a pane of it
/// named by its caption, buttons push buttons, pictures and plots images with a
/// description of what they teach, text boxes texts whose value is their
/// text. Screen readers keep what they learn of an object; a control that is
/// shown again is therefore announced as a new object, so that nothing
/// learnt while it was hidden hides it from the reader, and every control
/// that is hidden, by itself or with its page or frame, is announced hidden.
namespace tk::accessibility {

/// \brief Makes the toolkit's widgets known to accessibility clients, and
/// watches them being shown and hidden. Once per application; later calls
/// do nothing.
void install();

/// \brief Tells screen readers that \a widget, drawn by its own painter, is
/// an image: its accessible name and description say what it shows. Call it
/// before the widget is first shown.
void showAsImage(QWidget *widget);
/// The property that showAsImage() sets.
inline constexpr const char *ImageProperty = "tk-image";

} // namespace tk::accessibility

namespace tk {

/// \brief Says something to the screen reader without moving the focus:
/// a notification that appears with the message, as a desktop does.
///
/// A screen reader cuts short what it is saying when the focus moves, and
/// when a notification appears. The message therefore appears once the
/// handler that announces it has returned, after the focus has moved, and
/// what one handler announces appears as one message. Each message is a
/// notification of its own, since a reader may read a notification a while
/// after it appeared, when the next one may already be there.
class Announcer final : public QObject {
    Q_OBJECT
public:
    /// Its notifications appear in \a window.
    explicit Announcer(QWidget *window);

    /// \brief The screen reader speaks \a message as soon as the handler
    /// that calls this has returned, after what it announced before.
    void announce(const QString &message);

    /// The last message announced (with what it will be joined to).
    QString message() const { return m_pending.isEmpty() ? m_last : m_pending; }

private:
    void appear();

    static constexpr int ShownMs = 500;  ///< long enough for a reader to hear of it
    static constexpr int KeptMs = 10000; ///< long enough for a reader to read it
    QString m_pending;
    QString m_last;
};

/// \brief One message of the Announcer, shown for a moment.
class Notice final : public QWidget {
    Q_OBJECT
public:
    Notice(QWidget *window, const QString &message);
};

} // namespace tk
