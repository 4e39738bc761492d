#pragma once

#include <QWidget>

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

} // namespace tk::accessibility

namespace tk {

/// \brief Says something to the screen reader without moving the focus:
/// a notification that appears with the message, as a desktop does.
class Announcer final : public QWidget {
    Q_OBJECT
public:
    explicit Announcer(QWidget *page);

    /// \brief The screen reader speaks \a message at once.
    void announce(const QString &message);

    /// The last message announced.
    QString message() const { return accessibleName(); }

private:
    static constexpr int ShownMs = 500; ///< long enough for a reader to ask what it says
};

} // namespace tk
