#include "lab/Laboratory.h"

#include "lab/Export.h"
#include "lab/LabTexts.h"
#include "lab/Oscillogram.h"
#include "lab/Schematic.h"
#include "lab/ValueControl.h"
#include "lab/model/Presets.h"

#include "fonts/Fonts.h"
#include "palette/Palette.h"
#include "toolkit/Accessibility.h"
#include "toolkit/Appearance.h"
#include "toolkit/ColourScheme.h"
#include "toolkit/Session.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace lab {
namespace {

// A tick of the step-by-step drawing, as the course's animations tick.
constexpr int TickMs = 100;
// The course draws a half-period in 40 steps: a step is T / 80.
constexpr double StepsPerPeriod = 80;
// The speeds offered, the course's first.
constexpr int Speeds[] = {1, 4, 16, 64};
// The laboratory's size at 100 %, in logical pixels, and its text.
constexpr int Width = 1180;
constexpr int Height = 760;

} // namespace

Laboratory::Laboratory(tk::Session &session, QWidget *parent)
    : QWidget(parent, Qt::Dialog | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint),
      m_session(session), m_simulation(std::make_shared<Simulation>(Circuit{})) {
    setObjectName(QStringLiteral("Laboratoire"));
    setWindowTitle(tr("Laboratoire : transformateur d'impulsions"));
    setPalette(tk::coursePalette());
    setAutoFillBackground(true);
    m_announcer = new tk::Announcer(this);
    m_timer = new QTimer(this);
    m_timer->setTimerType(Qt::PreciseTimer);
    m_timer->setInterval(TickMs);
    connect(m_timer, &QTimer::timeout, this, &Laboratory::tick);
    build();
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
    // The incomplete demagnetisation first: the case to break and to mend.
    choosePreset(std::max(0, presetOf("Incomp")));
    applyAppearance();
}

Laboratory::~Laboratory() = default;

QPushButton *Laboratory::button(const QString &name, const QString &text,
                                std::function<void()> act) {
    auto *b = new QPushButton(text);
    b->setObjectName(name);
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, [this, act] {
        m_session.sound().beep();
        act();
    });
    return b;
}

void Laboratory::build() {
    auto *layout = new QHBoxLayout(this);

    // Left: the starting points, the circuit, its values.
    auto *left = new QVBoxLayout;
    auto *presetRow = new QHBoxLayout;
    auto *presetLabel = new QLabel(tr("&Point de départ :"));
    m_presets = new QComboBox;
    m_presets->setObjectName(QStringLiteral("Presets"));
    m_presets->setAccessibleName(tr("Point de départ : un cas du cours"));
    for (const Preset &preset : presets())
        m_presets->addItem(texts::presetName(preset));
    presetLabel->setBuddy(m_presets);
    presetRow->addWidget(presetLabel);
    presetRow->addWidget(m_presets, 1);
    left->addLayout(presetRow);
    connect(m_presets, &QComboBox::activated, this, [this](int index) { choosePreset(index); });

    m_schematic = new Schematic;
    left->addWidget(m_schematic);

    auto *values = new QWidget;
    auto *grid = new QGridLayout(values);
    grid->setColumnStretch(1, 1);
    int row = 0;
    for (const Bound &b : bounds()) {
        if (b.value == Value::Vz) {
            // The demagnetising branch, before its Zener voltage.
            auto *branch = new QWidget;
            auto *branchLayout = new QHBoxLayout(branch);
            branchLayout->setContentsMargins(0, 0, 0, 0);
            auto *diode = new QRadioButton(tr("par D &seule"));
            auto *zener = new QRadioButton(tr("par D et &Dz"));
            diode->setObjectName(QStringLiteral("DiodeSeule"));
            zener->setObjectName(QStringLiteral("DiodeZener"));
            m_demag = new QButtonGroup(this);
            m_demag->addButton(diode, int(Demagnetisation::Diode));
            m_demag->addButton(zener, int(Demagnetisation::DiodeZener));
            branchLayout->addWidget(new QLabel(tr("Démagnétisation :")));
            branchLayout->addWidget(diode);
            branchLayout->addWidget(zener);
            branchLayout->addStretch();
            grid->addWidget(branch, row++, 0, 1, 3);
            connect(m_demag, &QButtonGroup::idClicked, this, [this](int id) {
                m_circuit.demag = Demagnetisation(id);
                recompute();
            });
        }
        if (b.value == Value::R_load) {
            m_loaded = new QCheckBox(tr("&Charge au secondaire : R à travers une diode"));
            m_loaded->setObjectName(QStringLiteral("Charge"));
            grid->addWidget(m_loaded, row++, 0, 1, 3);
            connect(m_loaded, &QCheckBox::toggled, this, [this](bool on) {
                m_circuit.loaded = on;
                recompute();
            });
        }
        auto *control = new ValueControl(b.value, grid, row++, this);
        connect(control, &ValueControl::changed, this,
                [this, value = b.value](double x) { setValue(value, x); });
        m_controls.append(control);
    }
    grid->setRowStretch(row, 1); // the rows together at the top
    auto *scroll = new QScrollArea;
    scroll->setWidget(values);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    // Not a stop of its own for Tab: the keyboard goes from value to value,
    // and the area scrolls to the one that takes the focus.
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    left->addWidget(scroll, 1);
    layout->addLayout(left, 5);

    // Right: the oscillograms, their drawing, the figures, the exports.
    auto *right = new QVBoxLayout;
    m_plot = new Oscillogram;
    m_plot->setFocusPolicy(Qt::NoFocus);
    right->addWidget(m_plot, 1);

    auto *transport = new QHBoxLayout;
    transport->addWidget(
        button(QStringLiteral("Tracer"), tr("&Tracer pas à pas"), [this] { play(); }));
    m_pause = button(QStringLiteral("Pause"), tr("P&ause"), [this] { togglePause(); });
    transport->addWidget(m_pause);
    transport->addWidget(button(QStringLiteral("Pas"), tr("Un p&as"), [this] { step(); }));
    transport->addWidget(
        button(QStringLiteral("ToutTracer"), tr("Tout trac&er"), [this] { drawAll(); }));
    auto *speedLabel = new QLabel(tr("&Vitesse :"));
    m_speed = new QComboBox;
    m_speed->setObjectName(QStringLiteral("Vitesse"));
    m_speed->setAccessibleName(tr("Vitesse du tracé"));
    for (int speed : Speeds)
        m_speed->addItem(speed == 1 ? tr("× 1, celle du cours")
                                    : QStringLiteral("× %1").arg(speed));
    speedLabel->setBuddy(m_speed);
    transport->addStretch();
    transport->addWidget(speedLabel);
    transport->addWidget(m_speed);
    right->addLayout(transport);

    m_verdict = new QLabel;
    m_verdict->setObjectName(QStringLiteral("Verdict"));
    m_verdict->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_verdict->setFocusPolicy(Qt::StrongFocus);
    right->addWidget(m_verdict);
    m_figures = new QLabel;
    m_figures->setObjectName(QStringLiteral("Chiffres"));
    m_figures->setWordWrap(true);
    m_figures->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_figures->setFocusPolicy(Qt::StrongFocus);
    right->addWidget(m_figures);

    auto *exports = new QHBoxLayout;
    exports->addWidget(
        button(QStringLiteral("Copier"), tr("C&opier les chiffres"), [this] { copyFigures(); }));
    exports->addWidget(button(QStringLiteral("ExportPng"), tr("Image &PNG…"), [this] {
        chooseAndExport(tr("Image PNG (*.png)"), QStringLiteral("png"), &Laboratory::exportPng);
    }));
    exports->addWidget(button(QStringLiteral("ExportSvg"), tr("Image S&VG…"), [this] {
        chooseAndExport(tr("Image SVG (*.svg)"), QStringLiteral("svg"), &Laboratory::exportSvg);
    }));
    exports->addWidget(button(QStringLiteral("ExportCsv"), tr("Échantillons C&SV…"), [this] {
        chooseAndExport(tr("Tableau CSV (*.csv)"), QStringLiteral("csv"), &Laboratory::exportCsv);
    }));
    m_status = new QLabel;
    m_status->setObjectName(QStringLiteral("Etat"));
    exports->addWidget(m_status, 1);
    exports->addWidget(
        button(QStringLiteral("Fermer"), tr("&Fermer le laboratoire"), [this] { close(); }));
    right->addLayout(exports);
    layout->addLayout(right, 7);
}

ValueControl *Laboratory::control(Value value) const {
    for (ValueControl *c : m_controls)
        if (c->value() == value)
            return c;
    return nullptr;
}

void Laboratory::choosePreset(int index) {
    const std::vector<Preset> &all = presets();
    if (index < 0 || index >= int(all.size()))
        return;
    m_presets->setCurrentIndex(index);
    setCircuit(all[std::size_t(index)].circuit);
}

void Laboratory::setCircuit(const Circuit &circuit) {
    m_circuit = clamped(circuit);
    showValues();
    recompute();
}

void Laboratory::setValue(Value value, double x) {
    set(m_circuit, value, x);
    recompute();
}

void Laboratory::showValues() {
    for (ValueControl *c : m_controls)
        c->show(get(m_circuit, c->value()));
    if (QAbstractButton *b = m_demag->button(int(m_circuit.demag)))
        b->setChecked(true);
    {
        const QSignalBlocker block(m_loaded);
        m_loaded->setChecked(m_circuit.loaded);
    }
}

void Laboratory::recompute() {
    m_simulation = std::make_shared<Simulation>(m_circuit);
    // What does not take part is shown but cannot be set.
    for (ValueControl *c : m_controls)
        c->setEnabled(takesPart(m_circuit, c->value()));
    m_plot->setSimulation(m_simulation);
    m_timer->stop();
    setPauseOffered(false);
    setUntil(m_simulation->duration());
    m_figures->setText(texts::figures(*m_simulation).join(u'\n'));
    const QString verdict = verdictText();
    m_verdict->setText(verdict);
    m_verdict->setAccessibleName(verdict);
    colourVerdict();
    // A screen reader hears the field's new value from the field itself, and
    // the verdict when it changes.
    if (verdict != m_lastVerdict && isVisible())
        m_announcer->announce(verdict);
    m_lastVerdict = verdict;
}

void Laboratory::colourVerdict() {
    const bool saturates = m_simulation->verdict().kind == Verdict::Saturation;
    QPalette colours = m_verdict->palette();
    colours.setColor(
        QPalette::WindowText,
        m_session.appearance().shown(saturates ? palette::Red : palette::Green, tk::TextContrast));
    m_verdict->setPalette(colours);
}

QString Laboratory::verdictText() const {
    QString text = texts::verdict(*m_simulation);
    text[0] = text[0].toUpper();
    return text;
}

QString Laboratory::figuresText() const {
    return exports::figuresText(*m_simulation);
}

double Laboratory::stepLength() const {
    const int speed = Speeds[std::max(0, m_speed->currentIndex())];
    return m_circuit.T / StepsPerPeriod * speed;
}

double Laboratory::shownUntil() const {
    return m_plot->shownUntil();
}

bool Laboratory::isPlaying() const {
    return m_timer->isActive();
}

void Laboratory::play() {
    setUntil(0);
    m_pause->setEnabled(true);
    m_pause->setText(tr("P&ause"));
    m_timer->start();
}

void Laboratory::togglePause() {
    if (shownUntil() >= m_simulation->duration())
        return;
    if (m_timer->isActive()) {
        m_timer->stop();
        m_pause->setText(tr("Rep&rendre"));
    } else {
        m_timer->start();
        m_pause->setText(tr("P&ause"));
    }
}

void Laboratory::step() {
    if (shownUntil() >= m_simulation->duration())
        setUntil(0);
    m_timer->stop();
    m_pause->setEnabled(true);
    m_pause->setText(tr("Rep&rendre"));
    tick();
}

void Laboratory::drawAll() {
    m_timer->stop();
    setPauseOffered(false);
    setUntil(m_simulation->duration());
}

void Laboratory::tick() {
    const double from = shownUntil();
    const double to = std::min(from + stepLength(), m_simulation->duration());
    setUntil(to);
    // The course beeps while the core is saturated: here once as it saturates.
    for (const Event &e : m_simulation->events())
        if (e.kind == Event::Saturation && e.t > from && e.t <= to)
            m_session.sound().beep();
    if (to >= m_simulation->duration()) {
        m_timer->stop();
        setPauseOffered(false);
    }
}

void Laboratory::setPauseOffered(bool offered) {
    m_pause->setEnabled(offered);
    if (!offered)
        m_pause->setText(tr("P&ause"));
}

void Laboratory::setUntil(double t) {
    m_plot->setShownUntil(t);
    updateSchematic();
}

void Laboratory::updateSchematic() {
    if (m_circuit.loaded) {
        m_schematic->setPicture(art::Picture::LoadCircuit);
        return;
    }
    // While the drawing grows, the circuit follows K and the demagnetising current.
    Phase phase = Phase::Rest;
    if (shownUntil() < m_simulation->duration())
        if (const Piece *piece = m_simulation->pieceAt(shownUntil()))
            phase = piece->phase;
    const bool zener = m_circuit.demag == Demagnetisation::DiodeZener;
    switch (phase) {
    case Phase::Closed:
    case Phase::Saturated:
        m_schematic->setPicture(zener ? art::Picture::ZenKf : art::Picture::DiodeKf);
        break;
    case Phase::Demagnetising:
        m_schematic->setPicture(zener ? art::Picture::ZenKfo : art::Picture::DiodeKfo);
        break;
    case Phase::Rest:
        m_schematic->setPicture(zener ? art::Picture::ZenKo : art::Picture::DiodeKo);
        break;
    }
}

void Laboratory::applyAppearance() {
    const tk::Appearance &appearance = m_session.appearance();
    // The course's scale, or the largest step below it at which the whole
    // laboratory fits the screen (full screen: the screen itself). Whether it
    // is full screen is its own (F11 in it), set as the course's when it opens.
    const QSize space = isFullScreen() ? room() : room() * 0.95;
    const double zoom = tk::largestFitting(appearance.zoom(), 1, [space](double z) {
        return Width * z <= space.width() && Height * z <= space.height();
    });
    m_zoom = zoom;
    setFont(fonts::font(qMax(1, int(std::floor(fonts::Pt9_75 * zoom + 1e-9)))));
    QFont bold = font();
    bold.setBold(true);
    m_verdict->setFont(bold);
    m_plot->setColours(
        [this](const QColor &c) { return m_session.appearance().shown(c, tk::TraceContrast); });
    colourVerdict();
    resize(QSize(int(Width * zoom), int(Height * zoom)).boundedTo(room() * 0.95));
}

void Laboratory::toggleFullScreen() {
    if (isFullScreen())
        showNormal();
    else
        showFullScreen();
    m_announcer->announce(isFullScreen() ? tr("Plein écran.") : tr("Fin du plein écran."));
}

QSize Laboratory::room() const {
    const QScreen *screen = parentWidget() ? parentWidget()->screen() : this->screen();
    return screen ? screen->availableGeometry().size() : QSize(Width, Height);
}

bool Laboratory::exportPng(const QString &path) {
    return write(path, m_plot->png());
}

bool Laboratory::exportSvg(const QString &path) {
    return write(path, m_plot->svg());
}

bool Laboratory::exportCsv(const QString &path) {
    return write(path, exports::csv(*m_simulation).toUtf8());
}

bool Laboratory::write(const QString &path, const QByteArray &bytes) {
    const bool ok = !bytes.isEmpty() && exports::save(path, bytes);
    report(ok, path);
    return ok;
}

void Laboratory::copyFigures() {
    QGuiApplication::clipboard()->setText(figuresText());
    m_status->setText(tr("Chiffres copiés."));
    m_announcer->announce(m_status->text());
}

void Laboratory::report(bool ok, const QString &path) {
    const QString name = QDir::toNativeSeparators(path);
    m_status->setText(ok ? tr("Enregistré : %1").arg(name)
                         : tr("Impossible d'écrire « %1 ».").arg(name));
    m_announcer->announce(m_status->text());
}

void Laboratory::chooseAndExport(const QString &filter, const QString &suffix,
                                 bool (Laboratory::*write)(const QString &)) {
    if (m_lastFolder.isEmpty())
        m_lastFolder = QDir::homePath();
    const QString proposed = QDir(m_lastFolder).filePath(tr("oscillogrammes") + u'.' + suffix);
    QString path = QFileDialog::getSaveFileName(this, tr("Enregistrer"), proposed, filter);
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += u'.' + suffix;
    m_lastFolder = QFileInfo(path).absolutePath();
    (this->*write)(path);
}

void Laboratory::closeEvent(QCloseEvent *event) {
    // Closing hides the laboratory: its values stay for the next visit. The
    // course's window is made active first, while the laboratory still has
    // the focus to hand over (a Wayland compositor lets only the window that
    // has it give it away).
    event->ignore();
    if (QWidget *course = parentWidget()) {
        course->window()->raise();
        course->window()->activateWindow();
    }
    hide();
}

void Laboratory::showEvent(QShowEvent *event) {
    QWidget::showEvent(event);
    // The keyboard starts at the top: the starting points, then the values.
    // Marked as a focus the keyboard gave, so that it shows from the start.
    if (!focusWidget()) {
        m_presets->setFocus(Qt::TabFocusReason);
        setAttribute(Qt::WA_KeyboardFocusChange);
    }
}

void Laboratory::hideEvent(QHideEvent *event) {
    QWidget::hideEvent(event);
    if (!event->spontaneous()) {
        // Back in the laboratory, the learner finds the whole run drawn.
        drawAll();
        emit closed();
    }
}

} // namespace lab
