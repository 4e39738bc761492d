#pragma once

#include "art/Art.h"

#include <QWidget>

namespace lab {

/// \brief A circuit of the course, drawn by its own painter at whatever
/// size the laboratory gives it (sharp at every scale), its proportions kept.
class Schematic final : public QWidget {
    Q_OBJECT
public:
    explicit Schematic(QWidget *parent = nullptr);
    void setPicture(art::Picture picture);
    art::Picture picture() const { return m_picture; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    art::Picture m_picture = art::Picture::ZenKo;
};

} // namespace lab
