#include "app/Classroom.h"

#include "shell/Course.h"
#include "shell/CoursePage.h"
#include "toolkit/ColourScheme.h"
#include "toolkit/HostWindow.h"
#include "toolkit/PageWindow.h"
#include "toolkit/TextBox.h"

#include "fonts/Fonts.h"
#include "lab/Laboratory.h"
#include "palette/Palette.h"

#include <QAction>
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

// Whether the page shown draws an animation that a teacher may pause.
bool hasAnimation(const tk::PageWindow *page) {
    const auto *coursePage = qobject_cast<const shell::CoursePage *>(page);
    return coursePage && shell::animates(coursePage->id());
}

// A text box or anything else that takes typed letters.
bool takesLetters(const QWidget *widget) {
    const auto *editor = qobject_cast<const tk::TextEditor *>(widget);
    return editor && !editor->isReadOnly();
}

// The marks of the course's state: at the bottom of the page, where no page
// draws anything; the pause on the left, the silence left of the navigation
// buttons.
tk::Mark pauseMark() {
    return {QCoreApplication::translate("app::Classroom", "Pause"),
            palette::Maroon,
            {120, 6480, 1200, 255}};
}
tk::Mark soundOffMark() {
    return {QCoreApplication::translate("app::Classroom", "Son coupé"),
            palette::Maroon,
            {2970, 6480, 840, 255}};
}

// The teacher's keys, one row each: the action's name, the course's own keys
// (portable text, "; " between two), the desktop's standard key for the same
// action where Qt has one, what the key does (for the help and the usage),
// what it does in the course, and when it applies (always, if none).
struct TeacherKey {
    const char *name;
    const char *keys;
    QKeySequence::StandardKey standard;
    const char *what;
    void (Classroom::*act)();
    bool (Classroom::*applies)() const = nullptr;
};
const TeacherKey TeacherKeys[] = {
    {"agrandir", "Ctrl++; Ctrl+=", QKeySequence::ZoomIn,
     QT_TRANSLATE_NOOP("app::Classroom", "agrandit le cours, par pas de 25 % jusqu'à 300 %, "
                                         "sans dépasser l'écran"),
     &Classroom::zoomIn},
    {"reduire", "Ctrl+-", QKeySequence::ZoomOut,
     QT_TRANSLATE_NOOP("app::Classroom", "réduit le cours, par pas de 25 % jusqu'à 100 %"),
     &Classroom::zoomOut},
    {"echelleNormale", "Ctrl+0", QKeySequence::UnknownKey,
     QT_TRANSLATE_NOOP("app::Classroom", "revient à 100 % et oublie l'échelle gardée"),
     &Classroom::resetScale},
    {"pleinEcran", "F11", QKeySequence::FullScreen,
     QT_TRANSLATE_NOOP("app::Classroom", "plein écran, à la plus grande échelle ; de nouveau "
                                         "pour revenir"),
     &Classroom::toggleFullScreen},
    {"pause", "Pause; P", QKeySequence::UnknownKey,
     QT_TRANSLATE_NOOP("app::Classroom", "suspend l'animation de la page, puis la reprend"),
     &Classroom::togglePause, &Classroom::canPause},
    {"pages", "Ctrl+G", QKeySequence::UnknownKey,
     QT_TRANSLATE_NOOP("app::Classroom", "liste des pages, pour aller à l'une d'elles, ou au "
                                         "laboratoire"),
     &Classroom::showPageList, &Classroom::onPage},
    {"laboratoire", "Ctrl+L", QKeySequence::UnknownKey,
     QT_TRANSLATE_NOOP("app::Classroom", "le laboratoire : on règle le circuit, le transformateur "
                                         "répond ; Échap rend la page laissée"),
     &Classroom::toggleLaboratory},
    {"son", "Ctrl+M", QKeySequence::UnknownKey,
     QT_TRANSLATE_NOOP("app::Classroom", "coupe ou rétablit le son ; sans le son, chaque page "
                                         "porte la marque « Son coupé »"),
     &Classroom::toggleSound},
    {"contraste", "Ctrl+H", QKeySequence::UnknownKey,
     QT_TRANSLATE_NOOP("app::Classroom", "contraste élevé : les textes et les tracés plus "
                                         "foncés, bien lisibles au projecteur ; de nouveau pour "
                                         "les couleurs du cours"),
     &Classroom::toggleHighContrast},
    {"aide", "F1", QKeySequence::HelpContents,
     QT_TRANSLATE_NOOP("app::Classroom", "l'aide des touches et des options"),
     &Classroom::showHelp},
};

QList<QKeySequence> ownKeys(const TeacherKey &row) {
    return QKeySequence::listFromString(QString::fromLatin1(row.keys), QKeySequence::PortableText);
}

// Whether a key pressed is \a sequence: the same key with the same
// modifiers, Shift aside except for a letter alone (Shift+P is a capital, not
// P; Ctrl++ is Ctrl+Shift+= on many keyboards).
bool matches(const QKeySequence &sequence, QKeyCombination pressed) {
    if (sequence.count() != 1)
        return false;
    const QKeyCombination wanted = sequence[0];
    if (wanted == pressed)
        return true;
    const bool letterAlone = wanted.keyboardModifiers() == Qt::NoModifier &&
                             wanted.key() >= Qt::Key_A && wanted.key() <= Qt::Key_Z;
    return !letterAlone && (pressed.keyboardModifiers() & Qt::ShiftModifier) &&
           wanted ==
               QKeyCombination(pressed.keyboardModifiers() & ~Qt::ShiftModifier, pressed.key());
}

double clampScale(double scale) {
    return qBound(Settings::MinScale, scale, Settings::MaxScale);
}

} // namespace

Classroom::Classroom(shell::Course &course, QSettings &settings, const CommandLine &options)
    : m_course(course), m_settings(settings) {
    tk::Session &session = m_course.session();
    // A kept scale, unless the command line gives one for this start.
    double scale = m_settings.scale().value_or(MinScale);
    if (options.scale)
        scale = clampScale(*options.scale);
    m_wanted = scale;
    session.appearance().setZoom(fitting(scale));
    setSoundOn(!options.silent && m_settings.soundOn());
    session.appearance().setHighContrast(options.highContrast || m_settings.highContrast());
    for (const TeacherKey &row : TeacherKeys) {
        auto *action = new QAction(tr(row.what), this);
        action->setObjectName(QString::fromLatin1(row.name));
        QList<QKeySequence> keys = ownKeys(row);
        if (row.standard != QKeySequence::UnknownKey) {
            for (const QKeySequence &key : QKeySequence::keyBindings(row.standard))
                if (!keys.contains(key))
                    keys.append(key);
        }
        action->setShortcuts(keys);
        action->setAutoRepeat(false); // a held key acts once
        connect(action, &QAction::triggered, this, row.act);
        m_actions.append(action);
    }
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
    return m_course.session().appearance().zoom();
}

void Classroom::setScale(double scale, bool remember) {
    scale = clampScale(scale);
    if (remember)
        m_settings.setScale(scale);
    m_wanted = scale;
    showAt(fitting(scale));
}

double Classroom::fitting(double wanted) const {
    const tk::HostWindow &window = m_course.session().window();
    return tk::largestFitting(wanted, MinScale, [&window](double scale) {
        return window.fits(shell::CoursePage::clientSizeAt(scale));
    });
}

void Classroom::showAt(double scale) {
    if (scale == this->scale())
        return;
    m_course.session().appearance().setZoom(scale);
    applyScale();
    if (tk::PageWindow *page = shownPage())
        page->announce(tr("Échelle : %1 %.").arg(qRound(scale * 100)));
}

void Classroom::take(const CommandLine &options) {
    if (options.action != CommandLine::Action::Run)
        return;
    if (options.scale)
        setScale(*options.scale, false);
    tk::Session &session = m_course.session();
    if (options.silent)
        setSoundOn(false);
    if (options.highContrast && !session.appearance().highContrast())
        setHighContrast(true, false);
    if (options.page)
        m_course.goTo(*options.page);
    if (options.laboratory)
        openLaboratory();
}

void Classroom::applyScale() {
    if (tk::PageWindow *page = shownPage())
        page->applyScale();
    if (lab::Laboratory *lab = laboratory())
        lab->applyAppearance();
}

void Classroom::zoomIn() {
    // The next step up, if the screen has room for it.
    const double next = tk::zoomStepAbove(scale());
    if (next <= MaxScale && fitting(next) < next) {
        if (tk::PageWindow *page = shownPage())
            page->announce(
                tr("Échelle : %1 %, la plus grande pour cet écran.").arg(qRound(scale() * 100)));
        return;
    }
    setScale(next);
}

void Classroom::zoomOut() {
    setScale(tk::zoomStepBelow(scale()));
}

void Classroom::resetScale() {
    m_settings.forgetScale();
    setScale(MinScale, false);
}

void Classroom::toggleFullScreen() {
    // In the laboratory, F11 is the laboratory's own: the course's window
    // waits behind it as it was left.
    if (lab::Laboratory *lab = laboratory()) {
        lab->toggleFullScreen();
        return;
    }
    tk::Session &session = m_course.session();
    session.appearance().setFullScreen(!session.appearance().fullScreen());
    applyScale();
    if (tk::PageWindow *page = shownPage())
        page->announce(session.appearance().fullScreen() ? tr("Plein écran.")
                                                         : tr("Fin du plein écran."));
}

bool Classroom::isPaused() const {
    return m_course.session().clock().isPaused();
}

void Classroom::togglePause() {
    tk::Session &session = m_course.session();
    if (session.clock().isPaused()) {
        if (m_paused)
            m_paused->announce(tr("L'animation reprend."));
        endPause();
        return;
    }
    tk::PageWindow *page = shownPage();
    if (!hasAnimation(page))
        return;
    session.clock().setPaused(true);
    m_paused = page;
    page->setMark(pauseMark());
    page->announce(tr("Pause : l'animation est suspendue."));
}

void Classroom::endPause() {
    m_course.session().clock().setPaused(false);
    if (m_paused)
        m_paused->setMark({});
    m_paused = nullptr;
}

void Classroom::setSoundOn(bool on) {
    m_course.session().sound().setOn(on);
    m_course.session().window().setMark(on ? tk::Mark{} : soundOffMark());
}

void Classroom::toggleSound() {
    tk::Session &session = m_course.session();
    setSoundOn(!session.sound().isOn());
    m_settings.setSoundOn(session.sound().isOn());
    if (tk::PageWindow *page = shownPage())
        page->announce(session.sound().isOn() ? tr("Son rétabli.") : tr("Son coupé."));
}

void Classroom::toggleHighContrast() {
    setHighContrast(!m_course.session().appearance().highContrast(), true);
}

void Classroom::setHighContrast(bool on, bool remember) {
    tk::Session &session = m_course.session();
    session.appearance().setHighContrast(on);
    if (remember)
        m_settings.setHighContrast(on);
    for (tk::PageWindow *page : session.window().findChildren<tk::PageWindow *>())
        page->refreshColours();
    if (lab::Laboratory *lab = laboratory())
        lab->applyAppearance();
    if (tk::PageWindow *page = shownPage())
        page->announce(session.appearance().highContrast() ? tr("Contraste élevé.")
                                                           : tr("Couleurs du cours."));
}

QDialog *Classroom::openDialogFor(const QString &name, const QString &title) {
    QWidget *above = laboratory();
    if (!above)
        above = shownPage();
    auto *dialog = new QDialog(above);
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
    QDialog *dialog = openDialogFor(QStringLiteral("ListePages"), tr("Aller à la page"));
    auto *layout = new QVBoxLayout(dialog);
    auto *label = new QLabel(tr("&Pages du cours :"), dialog);
    auto *list = new QListWidget(dialog);
    list->setObjectName(QStringLiteral("Pages"));
    list->setAccessibleName(tr("Pages du cours"));
    label->setBuddy(list);
    for (int n = 1; n < shell::PageCount; ++n) {
        const QString title = shell::pageTitle(shell::pageAt(n));
        list->addItem(QStringLiteral("%1. %2").arg(n).arg(title));
    }
    list->addItem(tr("Laboratoire"));
    const auto *shown = qobject_cast<const shell::CoursePage *>(page);
    list->setCurrentRow(shown ? shell::number(shown->id()) - 1 : 0);
    // Told when the list opens, before an arrow is pressed.
    dialog->setAccessibleDescription(tr("Page actuelle : %1").arg(list->currentItem()->text()));
    list->setMinimumWidth(list->sizeHintForColumn(0) + 40);
    list->setMinimumHeight(list->sizeHintForRow(0) * list->count() + 8);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("Aller à cette page"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Annuler"));
    layout->addWidget(label);
    layout->addWidget(list);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    connect(list, &QListWidget::itemActivated, dialog, &QDialog::accept);
    connect(dialog, &QDialog::finished, this, [this, dialog, list](int result) {
        const int row = list->currentRow();
        dialog->deleteLater();
        if (result != QDialog::Accepted || row < 0)
            return;
        if (row + 1 < shell::PageCount)
            m_course.goTo(shell::pageAt(row + 1));
        else
            openLaboratory();
    });
    dialog->show();
    list->setFocus();
}

QList<std::pair<QString, QString>> Classroom::keyHelp() {
    QList<std::pair<QString, QString>> keys;
    for (const TeacherKey &row : TeacherKeys) {
        QStringList names;
        for (const QKeySequence &key : ownKeys(row))
            names << key.toString(QKeySequence::NativeText);
        keys.append({names.join(tr(" ou ")), tr(row.what)});
    }
    return keys;
}

QString Classroom::helpText() {
    const auto row = [](const QString &term, const QString &what) {
        return QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>")
            .arg(term.toHtmlEscaped(), what.toHtmlEscaped());
    };
    QString text = tr("<h3>Touches</h3>") + QStringLiteral("<table cellspacing='4'>");
    for (const auto &[keys, what] : keyHelp())
        text += row(keys, what);
    text += row(tr("Entrée, Échap, Tab"),
                tr("le bouton qui a le focus ou le bouton par défaut, le bouton d'annulation, "
                   "le bouton suivant"));
    text += QStringLiteral("</table>") + tr("<h3>Options de la ligne de commande</h3>") +
            QStringLiteral("<table cellspacing='4'>");
    for (const auto &[option, what] : courseOptions())
        text += row(option, what);
    text += QStringLiteral("</table>") +
            tr("<p>L'échelle, le son et le contraste choisis par les touches sont gardés pour "
               "la prochaine ouverture ; Ctrl+0 oublie l'échelle.</p>");
    return text;
}

QString Classroom::stateText() const {
    const tk::Session &session = m_course.session();
    return tr("<h3>Maintenant</h3><p>Échelle : %1 % ; son : %2 ; contraste élevé : %3.</p>")
        .arg(qRound(scale() * 100))
        .arg(session.sound().isOn() ? tr("en marche") : tr("coupé"))
        .arg(session.appearance().highContrast() ? tr("oui") : tr("non"));
}

void Classroom::showHelp() {
    if (raiseOpenDialog())
        return;
    QDialog *dialog = openDialogFor(QStringLiteral("Aide"), tr("Aide : touches et options"));
    auto *layout = new QVBoxLayout(dialog);
    auto *text = new QLabel(stateText() + helpText(), dialog);
    text->setObjectName(QStringLiteral("TexteAide"));
    text->setTextFormat(Qt::RichText);
    text->setWordWrap(false);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog);
    buttons->button(QDialogButtonBox::Close)->setText(tr("Fermer"));
    layout->addWidget(text);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    connect(dialog, &QDialog::finished, dialog, &QObject::deleteLater);
    dialog->show();
    buttons->button(QDialogButtonBox::Close)->setFocus();
}

bool Classroom::eventFilter(QObject *watched, QEvent *event) {
    if (blockedByLaboratory(watched, event))
        return true;
    switch (event->type()) {
    case QEvent::KeyPress: {
        // Only what is typed on a page or in the laboratory: the list and the
        // help have their own keys.
        auto *widget = qobject_cast<QWidget *>(watched);
        if (!widget ||
            !(qobject_cast<tk::HostWindow *>(widget->window()) || widget->window() == laboratory()))
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

bool Classroom::canPause() const {
    return onPage() && (isPaused() || hasAnimation(shownPage()));
}

bool Classroom::onPage() const {
    return !laboratory();
}

lab::Laboratory *Classroom::laboratory() const {
    return m_laboratory && m_laboratory->isVisible() ? m_laboratory.data() : nullptr;
}

void Classroom::toggleLaboratory() {
    if (lab::Laboratory *lab = laboratory())
        lab->close();
    else
        openLaboratory();
}

void Classroom::openLaboratory() {
    if (lab::Laboratory *lab = laboratory()) {
        lab->raise();
        lab->activateWindow();
        return;
    }
    tk::Session &session = m_course.session();
    if (!m_laboratory) {
        m_laboratory = new lab::Laboratory(session, &session.window());
        connect(m_laboratory, &lab::Laboratory::closed, this, &Classroom::laboratoryClosed);
    }
    if (m_dialog)
        m_dialog->close();
    m_focusBeforeLaboratory = QApplication::focusWidget();
    // The page waits as it was left: its animation stops until the learner comes back.
    m_pausedForLaboratory = !session.clock().isPaused();
    if (m_pausedForLaboratory)
        session.clock().setPaused(true);
    m_laboratory->applyAppearance();
    if (session.appearance().fullScreen())
        m_laboratory->showFullScreen();
    else
        m_laboratory->show();
    m_laboratory->raise();
    m_laboratory->activateWindow();
}

void Classroom::laboratoryClosed() {
    tk::Session &session = m_course.session();
    if (m_pausedForLaboratory)
        session.clock().setPaused(false);
    m_pausedForLaboratory = false;
    if (tk::PageWindow *page = shownPage())
        page->bringToFront();
    if (m_focusBeforeLaboratory && m_focusBeforeLaboratory->isVisible())
        m_focusBeforeLaboratory->setFocus(Qt::OtherFocusReason);
}

bool Classroom::blockedByLaboratory(QObject *watched, QEvent *event) const {
    if (!laboratory())
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
        break;
    default:
        return false;
    }
    // The course's window waits behind the laboratory, as behind a dialog,
    // but its close still ends the course.
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || !qobject_cast<tk::HostWindow *>(widget->window()))
        return false;
    if (event->type() == QEvent::MouseButtonPress) {
        m_laboratory->raise();
        m_laboratory->activateWindow();
    }
    return true;
}

bool Classroom::handleKey(QKeyEvent *key) {
    const QKeyCombination pressed(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier |
                                                      Qt::ShiftModifier | Qt::MetaModifier),
                                  Qt::Key(key->key()));
    // A letter alone belongs to the box that takes typing, if it has the focus.
    const bool letter = pressed.keyboardModifiers() == Qt::NoModifier &&
                        pressed.key() >= Qt::Key_A && pressed.key() <= Qt::Key_Z;
    if (letter && takesLetters(QApplication::focusWidget()))
        return false;
    for (qsizetype i = 0; i < m_actions.size(); ++i) {
        QAction *action = m_actions.at(i);
        const TeacherKey &row = TeacherKeys[i];
        const QList<QKeySequence> keys = action->shortcuts();
        if (std::none_of(keys.begin(), keys.end(),
                         [pressed](const QKeySequence &k) { return matches(k, pressed); }))
            continue;
        if (row.applies && !(this->*row.applies)())
            return false;
        if (!key->isAutoRepeat() || action->autoRepeat())
            action->trigger();
        return true;
    }
    return false;
}

} // namespace app
