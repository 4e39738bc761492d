#include "shell/CoursePage.h"
#include "shell/Course.h"
#include "shell/Debut.h"

#include "toolkit/ImageBox.h"
#include "toolkit/PlotSurface.h"

#include <algorithm>

namespace shell {
namespace {

constexpr QSize ClientTwips(9510, 6825);
constexpr int ButtonWidth = 1695;
constexpr int ButtonHeight = 495;
constexpr int ButtonTop = 6240;
constexpr int QuitterLeft = 3840;
constexpr int PrecedentLeft = 5760;
constexpr int SuivantLeft = 7680;
// The panel puts its buttons at the same places on the page.
constexpr tk::Tw PanelPlace{3720, 6000, 5775, 855};

} // namespace

QSize CoursePage::clientSizeAt(double zoom) {
    return tk::Tw{0, 0, ClientTwips.width(), ClientTwips.height()}.toPixels(zoom).size();
}

QList<tk::Button *> CoursePage::navigationButtons() const {
    QList<tk::Button *> buttons;
    for (tk::Button *button : {Quitter, Precedent, Suivant, m_forward})
        if (button && !buttons.contains(button))
            buttons << button;
    return buttons;
}

QString coursePageCaption(const QString &title) {
    return QString(20, QLatin1Char(' ')) + title;
}

CoursePage::CoursePage(Course &course, PageId id, Navigation navigation)
    : tk::PageWindow(course.session(), formName(id), coursePageCaption(pageTitle(id)), ClientTwips),
      m_course(course), m_id(id) {
    QWidget *holder = this;
    int dx = 0;
    int dy = 0;
    if (navigation == Navigation::Panel) {
        FrameBoutons = new tk::Frame(this, QStringLiteral("FrameBoutons"), PanelPlace,
                                     tk::Frame::Kind::Active);
        FrameBoutons->hide();
        holder = FrameBoutons;
        dx = PanelPlace.left;
        dy = PanelPlace.top;
    }
    const auto place = [&](int left) {
        return tk::Tw{left - dx, ButtonTop - dy, ButtonWidth, ButtonHeight};
    };
    Quitter = new tk::Button(holder, QStringLiteral("Quitter"), place(QuitterLeft),
                             tr("Quitter le programme"));
    Precedent = new tk::Button(holder, QStringLiteral("Precedent"), place(PrecedentLeft),
                               tr("Page précédente"));
    if (navigation == Navigation::EndPage) {
        m_forward = new tk::Button(holder, QStringLiteral("Recommencer"), place(SuivantLeft),
                                   tr("Tout recommencer"));
        setCancelButton(Quitter);
    } else {
        Suivant = new tk::Button(holder, QStringLiteral("Suivant"), place(SuivantLeft),
                                 tr("Page suivante"));
        m_forward = Suivant;
    }
    setDefaultButton(m_forward);
    // A page whose buttons stand on it from the start is entered with the
    // focus on "Page suivante"; the other pages declare their arrival.
    if (navigation == Navigation::OnPage)
        m_arrival.focus = Suivant;
    connect(Quitter, &tk::Button::activated, this, &CoursePage::Quitter_Click);
    connect(Precedent, &tk::Button::activated, this, &CoursePage::Precedent_Click);
    connect(m_forward, &tk::Button::activated, this, &CoursePage::moveForward);
}

tk::Button *CoursePage::makeSuite(const QString &name) {
    auto *suite = new tk::Button(this, name, {7920, 6240, 1215, 495}, tr("Suite"));
    suite->hide();
    return suite;
}

QString CoursePage::navigationShown() {
    return tr("Les boutons de navigation sont affichés.");
}

QList<const QWidget *> CoursePage::reveal(QWidget *control) {
    const bool hidden = control->isHidden();
    control->show();
    return hidden ? QList<const QWidget *>{control} : QList<const QWidget *>{};
}

QString CoursePage::drawingStarts() {
    return tr("Tracé des oscillogrammes en cours…");
}

QString CoursePage::toldWhenShown(const QWidget *control) const {
    if (control == FrameBoutons)
        return navigationShown();
    if (const auto *text = qobject_cast<const tk::TextBox *>(control))
        //: A text box told by a screen reader: its name, then its text.
        return tr("%1 : %2").arg(text->accessibleName(), text->plainText().simplified());
    if (qobject_cast<const tk::ImageBox *>(control) ||
        qobject_cast<const tk::PlotSurface *>(control))
        //: A picture told by a screen reader: its name, then its description.
        return tr("%1 : %2").arg(control->accessibleName(), control->accessibleDescription());
    if (qobject_cast<const tk::Frame *>(control)) {
        // What the frame holds, top to bottom.
        QList<const QWidget *> held;
        for (const QWidget *w : control->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            if (!w->isHidden())
                held << w;
        std::stable_sort(held.begin(), held.end(),
                         [](const QWidget *a, const QWidget *b) { return a->y() < b->y(); });
        QStringList parts;
        for (const QWidget *w : held)
            if (const QString told = toldWhenShown(w); !told.isEmpty())
                parts << told;
        return parts.join(QLatin1Char(' '));
    }
    return {};
}

void CoursePage::announceShown(const QList<const QWidget *> &controls, const QString &more) {
    QStringList parts;
    for (const QWidget *control : controls)
        parts << toldWhenShown(control);
    if (!more.isEmpty())
        parts << more;
    announce(parts.join(QLatin1Char(' ')));
}

PageId CoursePage::nextPage() const {
    return pageAt(number(m_id) + 1);
}

void CoursePage::apply(const QList<Change> &changes) {
    for (const Change &change : changes) {
        switch (change.kind) {
        case Change::Kind::Show:
            change.target->show();
            break;
        case Change::Kind::Hide:
            change.target->hide();
            break;
        case Change::Kind::Focus:
            change.target->setFocus();
            break;
        }
    }
}

void CoursePage::enter() {
    apply(m_arrival.before);
    prepareArrival();
    showPage();
    apply(m_arrival.after);
    if (m_arrival.focus)
        m_arrival.focus->setFocus();
}

void CoursePage::declareStep(tk::Button *button, QList<Change> changes, const QString &intro) {
    m_steps << changes;
    connect(button, &tk::Button::activated, this, [this, changes, intro] {
        beep();
        // What the step shows that was hidden, told once it is shown.
        QList<QWidget *> appearing;
        for (const Change &change : changes)
            if (change.kind == Change::Kind::Show && change.target->isHidden())
                appearing << change.target;
        apply(changes);
        QStringList parts;
        if (!intro.isEmpty())
            parts << intro;
        for (const QWidget *control : appearing)
            if (const QString told = toldWhenShown(control); !told.isEmpty())
                parts << told;
        announce(parts.join(QLatin1Char(' ')));
    });
}

QList<QWidget *> CoursePage::revealed() const {
    QList<QWidget *> controls;
    for (const QList<Change> &step : m_steps)
        for (const Change &change : step)
            if (change.kind == Change::Kind::Show && !controls.contains(change.target))
                controls << change.target;
    for (QWidget *control : m_animated)
        if (!controls.contains(control))
            controls << control;
    return controls;
}

void CoursePage::leave() {
    // Everything a visit revealed, but what the arrival sets again itself.
    QList<QWidget *> arrivalSets;
    for (const QList<Change> *changes : {&m_arrival.before, &m_arrival.after})
        for (const Change &change : *changes)
            arrivalSets << change.target;
    for (QWidget *control : revealed())
        if (!arrivalSets.contains(control))
            control->hide();
    // An animation left midway is drawn no more.
    for (tk::PlotSurface *plot : findChildren<tk::PlotSurface *>())
        plot->setBeingDrawn(false);
}

void CoursePage::moveForward() {
    beep();
    m_course.coursePage(nextPage()).enter();
    hidePage();
    leave();
}

void CoursePage::Suivant_Click() {
    moveForward();
}

void CoursePage::Precedent_Click() {
    beep();
    switch (m_id) {
    case PageId::Fonction:
        // Back through the title page, which re-enters the course after its 5000 ms.
        m_course.debut().showPage();
        break;
    case PageId::Convent:
        // Straight back to the first page, the title page never shown.
        m_course.debut().Timer1_Timer();
        break;
    default:
        m_course.coursePage(pageAt(number(m_id) - 2)).Suivant_Click();
        break;
    }
    beforeHidingOnReturn();
    hidePage();
    leave();
}

void CoursePage::Quitter_Click() {
    beep();
    m_course.debut().Quitter();
}

} // namespace shell
