#pragma once

#include "toolkit/Twips.h"

#include <QWidget>

namespace tk {

/// \brief A borderless container; its children sit relative to it and hide with it.
///
/// An inert frame makes the text boxes inside it inert: drawn in their normal
/// colours, but with no focus, caret, selection or editing.
class Frame final : public QWidget, public Scaled {
    Q_OBJECT
public:
    enum class Kind { Active, Inert };

    Frame(QWidget *parent, const QString &name, Tw place, Kind kind = Kind::Inert);

    bool isInert() const { return m_kind == Kind::Inert; }

    /// \brief Whether \a widget lies inside an inert frame.
    static bool isInsideInert(const QWidget *widget);

private:
    QWidget &scaledWidget() override { return *this; }
    Kind m_kind;
};

} // namespace tk
