#include "app/Classroom.h"

#include "shell/Course.h"
#include "shell/CoursePage.h"
#include "toolkit/ColourScheme.h"
#include "toolkit/HostWindow.h"
#include "toolkit/PageWindow.h"
#include "toolkit/TextBox.h"

#include "fonts/Fonts.h"
#include "palette/Palette.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>
#include <cmath>

namespace app {
namespace {

const QString ScaleKey = QStringLiteral("echelle");
const QString SoundKey = QStringLiteral("son");
const QString ContrastKey = QStringLiteral("contraste");

// The pages whose animation the teacher may pause.
bool hasAnimation(const tk::PageWindow *page) {
    const auto *coursePage = qobject_cast<const shell::CoursePage *>(page);
    if (!coursePage)
        return false;
    const shell::PageId id = coursePage->id();
    return id == shell::PageId::Vide || id == shell::PageId::Demag || id == shell::PageId::Incomp;
}

// A text box or anything else that takes typed letters.
bool takesLetters(const QWidget *widget) {
    const auto *editor = qobject_cast<const tk::TextEditor *>(widget);
    return editor && !editor->isReadOnly();
}

// The mark of a course without sound: at the bottom, left of the navigation
// buttons, where no page draws anything.
const QString SoundOffMark = QStringLiteral("Son coupé");
constexpr tk::Tw SoundOffPlace{2970, 6480, 840, 255};

// The steps of 25 % just above and just below a scale, whatever the scale.
double stepAbove(double scale) {
    return std::floor(scale / Classroom::ScaleStep + 1e-9) * Classroom::ScaleStep +
           Classroom::ScaleStep;
}
double stepBelow(double scale) {
    return std::ceil(scale / Classroom::ScaleStep - 1e-9) * Classroom::ScaleStep -
           Classroom::ScaleStep;
}

double clampScale(double scale) {
    return qBound(Classroom::MinScale, scale, Classroom::MaxScale);
}

} // namespace

Classroom::Classroom(shell::Course &course, QSettings &settings, const CommandLine &options)
    : m_course(course), m_settings(settings) {
    tk::Session &session = m_course.session();
    // A remembered scale, unless the command line gives one for this start.
    double scale = MinScale;
    bool ok = false;
    const double kept = m_settings.value(ScaleKey).toDouble(&ok);
    if (ok && kept >= MinScale && kept <= MaxScale)
        scale = kept;
    if (options.scale)
        scale = clampScale(*options.scale);
    m_wanted = scale;
    session.setZoom(fitting(scale));
    setSoundOn(!options.silent && m_settings.value(SoundKey, true).toBool());
    session.setHighContrast(options.highContrast || m_settings.value(ContrastKey, false).toBool());
    qApp->installEventFilter(this);
    // Once the window manager has framed the window, its true frame tells
    // whether the scale fits.
    connect(&session.window(), &tk::HostWindow::frameChanged, this,
            [this] { showAt(fitting(m_wanted)); });
}

Classroom::~Classroom() {
    if (m_dialog)
        delete m_dialog.data();
}

tk::PageWindow *Classroom::shownPage() const {
    return m_course.shownPage();
}

double Classroom::scale() const {
    return m_course.session().zoom();
}

void Classroom::setScale(double scale, bool remember) {
    scale = clampScale(scale);
    if (remember)
        m_settings.setValue(ScaleKey, scale);
    m_wanted = scale;
    showAt(fitting(scale));
}

double Classroom::fitting(double wanted) const {
    const tk::HostWindow &window = m_course.session().window();
    double scale = wanted;
    while (scale > MinScale && !window.fits(shell::CoursePage::clientSizeAt(scale)))
        scale = stepBelow(scale);
    return qMax(scale, MinScale);
}

void Classroom::showAt(double scale) {
    if (scale == this->scale())
        return;
    m_course.session().setZoom(scale);
    applyScale();
    if (tk::PageWindow *page = shownPage())
        page->announce(QStringLiteral("Échelle : %1 %.").arg(qRound(scale * 100)));
}

void Classroom::take(const CommandLine &options) {
    if (options.action != CommandLine::Action::Run)
        return;
    if (options.scale)
        setScale(*options.scale, false);
    tk::Session &session = m_course.session();
    if (options.silent)
        setSoundOn(false);
    if (options.highContrast && !session.highContrast())
        setHighContrast(true, false);
    if (options.page)
        m_course.goTo(*options.page);
}

void Classroom::applyScale() {
    if (tk::PageWindow *page = shownPage())
        page->applyScale();
}

void Classroom::zoomIn() {
    // The next step up, if the screen has room for it.
    const double next = stepAbove(scale());
    if (next <= MaxScale && fitting(next) < next) {
        if (tk::PageWindow *page = shownPage())
            page->announce(QStringLiteral("Échelle : %1 %, la plus grande pour cet écran.")
                               .arg(qRound(scale() * 100)));
        return;
    }
    setScale(next);
}

void Classroom::zoomOut() {
    setScale(stepBelow(scale()));
}

void Classroom::resetScale() {
    m_settings.remove(ScaleKey);
    setScale(MinScale, false);
}

void Classroom::toggleFullScreen() {
    tk::Session &session = m_course.session();
    session.setFullScreen(!session.fullScreen());
    applyScale();
    if (tk::PageWindow *page = shownPage())
        page->announce(session.fullScreen() ? QStringLiteral("Plein écran.")
                                            : QStringLiteral("Fin du plein écran."));
}

bool Classroom::isPaused() const {
    return m_course.session().isPaused();
}

void Classroom::togglePause() {
    tk::Session &session = m_course.session();
    if (session.isPaused()) {
        if (m_paused)
            m_paused->announce(QStringLiteral("L'animation reprend."));
        endPause();
        return;
    }
    tk::PageWindow *page = shownPage();
    if (!hasAnimation(page))
        return;
    session.setPaused(true);
    m_paused = page;
    page->showPauseMark(true);
    page->announce(QStringLiteral("Pause : l'animation est suspendue."));
}

void Classroom::endPause() {
    m_course.session().setPaused(false);
    if (m_paused)
        m_paused->showPauseMark(false);
    m_paused = nullptr;
}

void Classroom::setSoundOn(bool on) {
    m_course.session().setSoundOn(on);
    m_course.session().window().setMark(on ? QString() : SoundOffMark, palette::Maroon,
                                        SoundOffPlace);
}

void Classroom::toggleSound() {
    tk::Session &session = m_course.session();
    setSoundOn(!session.soundOn());
    m_settings.setValue(SoundKey, session.soundOn());
    if (tk::PageWindow *page = shownPage())
        page->announce(session.soundOn() ? QStringLiteral("Son rétabli.")
                                         : QStringLiteral("Son coupé."));
}

void Classroom::toggleHighContrast() {
    setHighContrast(!m_course.session().highContrast(), true);
}

void Classroom::setHighContrast(bool on, bool remember) {
    tk::Session &session = m_course.session();
    session.setHighContrast(on);
    if (remember)
        m_settings.setValue(ContrastKey, on);
    for (tk::PageWindow *page : session.window().findChildren<tk::PageWindow *>())
        page->refreshColours();
    if (tk::PageWindow *page = shownPage())
        page->announce(session.highContrast() ? QStringLiteral("Contraste élevé.")
                                              : QStringLiteral("Couleurs du cours."));
}

QDialog *Classroom::openDialogFor(const QString &name, const QString &title) {
    auto *dialog = new QDialog(shownPage());
    dialog->setObjectName(name);
    dialog->setWindowTitle(title);
    dialog->setPalette(tk::coursePalette());
    // At the course's scale, readable from where the course is.
    QFont font = dialog->font();
    const tk::PageWindow *page = shownPage();
    const double zoom = page ? page->shownZoom() : scale();
    font.setPixelSize(qMax(1, int(std::floor(fonts::Pt8_25 * zoom + 1e-9))));
    dialog->setFont(font);
    // Not modal: a close request of the course's window ends the course
    // while the dialog is open (a modal dialog would block it).
    dialog->setModal(false);
    m_dialog = dialog;
    return dialog;
}

bool Classroom::raiseOpenDialog() {
    if (!m_dialog)
        return false;
    m_dialog->raise();
    m_dialog->activateWindow();
    return true;
}

void Classroom::showPageList() {
    if (raiseOpenDialog())
        return;
    tk::PageWindow *page = shownPage();
    QDialog *dialog =
        openDialogFor(QStringLiteral("ListePages"), QStringLiteral("Aller à la page"));
    auto *layout = new QVBoxLayout(dialog);
    auto *label = new QLabel(QStringLiteral("&Pages du cours :"), dialog);
    auto *list = new QListWidget(dialog);
    list->setObjectName(QStringLiteral("Pages"));
    list->setAccessibleName(QStringLiteral("Pages du cours"));
    label->setBuddy(list);
    for (int n = 1; n < shell::PageCount; ++n) {
        const QString title = shell::pageTitle(shell::pageAt(n));
        list->addItem(QStringLiteral("%1. %2").arg(n).arg(title));
    }
    const auto *shown = qobject_cast<const shell::CoursePage *>(page);
    list->setCurrentRow(shown ? shell::number(shown->id()) - 1 : 0);
    // Told when the list opens, before an arrow is pressed.
    dialog->setAccessibleDescription(
        QStringLiteral("Page actuelle : %1").arg(list->currentItem()->text()));
    list->setMinimumWidth(list->sizeHintForColumn(0) + 40);
    list->setMinimumHeight(list->sizeHintForRow(0) * (shell::PageCount - 1) + 8);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Aller à cette page"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annuler"));
    layout->addWidget(label);
    layout->addWidget(list);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    connect(list, &QListWidget::itemActivated, dialog, &QDialog::accept);
    connect(dialog, &QDialog::finished, this, [this, dialog, list](int result) {
        const int row = list->currentRow();
        dialog->deleteLater();
        if (result == QDialog::Accepted && row >= 0)
            m_course.goTo(shell::pageAt(row + 1));
    });
    dialog->show();
    list->setFocus();
}

QString Classroom::helpText() {
    return QStringLiteral(
        "<h3>Touches</h3>"
        "<table cellspacing='4'>"
        "<tr><td><b>Ctrl++</b> / <b>Ctrl+-</b></td><td>agrandit / réduit le cours, "
        "de 100 % à 300 % par pas de 25 %, sans dépasser l'écran</td></tr>"
        "<tr><td><b>Ctrl+0</b></td><td>revient à 100 %</td></tr>"
        "<tr><td><b>F11</b></td><td>plein écran, à la plus grande échelle ; F11 de "
        "nouveau pour revenir</td></tr>"
        "<tr><td><b>Pause</b> ou <b>P</b></td><td>suspend l'animation de la page, "
        "puis la reprend</td></tr>"
        "<tr><td><b>Ctrl+G</b></td><td>liste des pages, pour aller à l'une d'elles</td></tr>"
        "<tr><td><b>Ctrl+M</b></td><td>coupe ou rétablit le son ; sans le son, chaque "
        "page porte la marque « Son coupé »</td></tr>"
        "<tr><td><b>Ctrl+H</b></td><td>contraste élevé : les textes et les tracés plus "
        "foncés, bien lisibles au projecteur ; Ctrl+H de nouveau pour les couleurs du "
        "cours</td></tr>"
        "<tr><td><b>F1</b></td><td>cette aide</td></tr>"
        "<tr><td><b>Entrée</b>, <b>Échap</b>, <b>Tab</b></td><td>le bouton qui a le "
        "focus ou le bouton par défaut, le bouton d'annulation, le bouton suivant</td></tr>"
        "</table>"
        "<h3>Options de la ligne de commande</h3>"
        "<table cellspacing='4'>"
        "<tr><td><b>--echelle N</b></td><td>ouvre le cours à l'échelle N, de 1 à 3</td></tr>"
        "<tr><td><b>--page NOM</b></td><td>ouvre le cours à une page, par son numéro "
        "(1 à 13) ou son nom</td></tr>"
        "<tr><td><b>--sans-son</b></td><td>ouvre le cours sans les bips</td></tr>"
        "<tr><td><b>--contraste</b></td><td>ouvre le cours en contraste élevé</td></tr>"
        "<tr><td><b>--help</b>, <b>--version</b></td><td>l'aide des options, la "
        "version</td></tr>"
        "</table>"
        "<p>L'échelle, le son et le contraste choisis par les touches sont gardés pour la "
        "prochaine "
        "ouverture ; Ctrl+0 oublie l'échelle.</p>");
}

QString Classroom::stateText() const {
    const tk::Session &session = m_course.session();
    return QStringLiteral("<h3>Maintenant</h3><p>Échelle : %1 % ; son : %2 ; contraste "
                          "élevé : %3.</p>")
        .arg(qRound(scale() * 100))
        .arg(session.soundOn() ? QStringLiteral("en marche") : QStringLiteral("coupé"))
        .arg(session.highContrast() ? QStringLiteral("oui") : QStringLiteral("non"));
}

void Classroom::showHelp() {
    if (raiseOpenDialog())
        return;
    QDialog *dialog =
        openDialogFor(QStringLiteral("Aide"), QStringLiteral("Aide : touches et options"));
    auto *layout = new QVBoxLayout(dialog);
    auto *text = new QLabel(stateText() + helpText(), dialog);
    text->setObjectName(QStringLiteral("TexteAide"));
    text->setTextFormat(Qt::RichText);
    text->setWordWrap(false);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("Fermer"));
    layout->addWidget(text);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    connect(dialog, &QDialog::finished, dialog, &QObject::deleteLater);
    dialog->show();
    buttons->button(QDialogButtonBox::Close)->setFocus();
}

bool Classroom::eventFilter(QObject *watched, QEvent *event) {
    switch (event->type()) {
    case QEvent::KeyPress: {
        // Only what is typed on a page: the list and the help have their own keys.
        auto *widget = qobject_cast<QWidget *>(watched);
        if (!widget || !qobject_cast<tk::HostWindow *>(widget->window()))
            break;
        if (handleKey(static_cast<QKeyEvent *>(event)))
            return true;
        break;
    }
    case QEvent::Hide:
        // Leaving the page ends its pause: the next page's animations run.
        if (m_paused && watched == m_paused.data())
            endPause();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

bool Classroom::handleKey(QKeyEvent *key) {
    const Qt::KeyboardModifiers modifiers =
        key->modifiers() &
        (Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier | Qt::MetaModifier);
    const bool control = modifiers & Qt::ControlModifier;
    const bool alone = (modifiers & ~Qt::ShiftModifier) == 0;
    const int code = key->key();
    const auto act = [key](auto &&action) {
        if (!key->isAutoRepeat()) // a held key acts once
            action();
        return true;
    };
    if (control && !(modifiers & (Qt::AltModifier | Qt::MetaModifier))) {
        switch (code) {
        case Qt::Key_Plus:
        case Qt::Key_Equal:
            return act([this] { zoomIn(); });
        case Qt::Key_Minus:
            return act([this] { zoomOut(); });
        case Qt::Key_0:
            return act([this] { resetScale(); });
        case Qt::Key_G:
            return act([this] { showPageList(); });
        case Qt::Key_M:
            return act([this] { toggleSound(); });
        case Qt::Key_H:
            return act([this] { toggleHighContrast(); });
        default:
            return false;
        }
    }
    if (!alone)
        return false;
    switch (code) {
    case Qt::Key_F11:
        return act([this] { toggleFullScreen(); });
    case Qt::Key_F1:
        return act([this] { showHelp(); });
    case Qt::Key_Pause:
    case Qt::Key_P:
        // A letter for the box that takes typing; for the course elsewhere,
        // where an animation can be paused.
        if (code == Qt::Key_P &&
            (modifiers != Qt::NoModifier || takesLetters(QApplication::focusWidget())))
            return false;
        if (!isPaused() && !hasAnimation(shownPage()))
            return false;
        return act([this] { togglePause(); });
    default:
        return false;
    }
}

} // namespace app
