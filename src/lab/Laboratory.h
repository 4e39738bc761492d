#pragma once

#include "lab/model/Bounds.h"
#include "lab/model/Circuit.h"
#include "lab/model/Simulation.h"

#include <QList>
#include <QWidget>
#include <functional>
#include <memory>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTimer;

namespace tk {
class Announcer;
class Session;
} // namespace tk

namespace lab {

class Oscillogram;
class Schematic;
class ValueControl;

/// \brief The laboratory: the circuit of the demagnetisation pages with its
/// values under the learner's hands, solved by the model at every change and
/// drawn as oscillograms, at once or step by step as the course draws them,
/// with the figures and the verdict beside them.
///
/// It is a window of its own above the course's; it takes the course's
/// scale, full screen, colours and silence from \a session. Closing it
/// (Escape, its button, the window's close) hides it and says so (closed()).
class Laboratory final : public QWidget {
    Q_OBJECT
public:
    Laboratory(tk::Session &session, QWidget *parent = nullptr);
    ~Laboratory() override;

    /// The circuit shown, and showing another (the presets do).
    const Circuit &circuit() const { return m_circuit; }
    void setCircuit(const Circuit &circuit);
    /// Chooses the preset at \a index of lab::presets().
    void choosePreset(int index);
    const Simulation &simulation() const { return *m_simulation; }

    /// Follows the course's scale, full screen and colours.
    void applyAppearance();
    /// \brief The scale the laboratory is shown at: the course's, or the
    /// largest step below it that fits the screen.
    double shownZoom() const { return m_zoom; }
    /// F11: the laboratory full screen, or back to its window.
    void toggleFullScreen();

    /// \brief Draws step by step from the start, at the chosen speed; pause
    /// stops and resumes, step draws one step, drawAll the whole run.
    void play();
    void togglePause();
    void step();
    void drawAll();
    bool isPlaying() const;
    /// The instant drawn up to, in µs.
    double shownUntil() const;
    /// One step of the drawing, in µs: T / 80 times the speed.
    double stepLength() const;

    /// What the learner reads beside the oscillograms.
    QString figuresText() const;
    QString verdictText() const;

    /// The exports, to \a path; false, and said, if the file cannot be written.
    bool exportPng(const QString &path);
    bool exportSvg(const QString &path);
    bool exportCsv(const QString &path);
    /// The values, figures and verdict to the clipboard.
    void copyFigures();

    ValueControl *control(Value value) const;
    Oscillogram *oscillogram() const { return m_plot; }

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void build();
    void setValue(Value value, double x);
    void recompute();
    /// The verdict in green, or in red for a saturation, as the course's colours are shown.
    void colourVerdict();
    void showValues();
    void tick();
    void setUntil(double t);
    void updateSchematic();
    /// Pause and resume are offered only while a drawing is under way.
    void setPauseOffered(bool offered);
    /// The room the screen leaves for the laboratory, in logical pixels.
    QSize room() const;
    void chooseAndExport(const QString &filter, const QString &suffix,
                         bool (Laboratory::*write)(const QString &));
    /// Writes \a bytes (nothing to write fails) and says how it went.
    bool write(const QString &path, const QByteArray &bytes);
    void report(bool ok, const QString &path);
    QPushButton *button(const QString &name, const QString &text, std::function<void()> act);

    tk::Session &m_session;
    Circuit m_circuit;
    std::shared_ptr<const Simulation> m_simulation;
    QList<ValueControl *> m_controls;
    QComboBox *m_presets = nullptr;
    QButtonGroup *m_demag = nullptr;
    QCheckBox *m_loaded = nullptr;
    Schematic *m_schematic = nullptr;
    Oscillogram *m_plot = nullptr;
    QLabel *m_figures = nullptr;
    QLabel *m_verdict = nullptr;
    QLabel *m_status = nullptr;
    QComboBox *m_speed = nullptr;
    QPushButton *m_pause = nullptr;
    QTimer *m_timer = nullptr;
    tk::Announcer *m_announcer = nullptr;
    QString m_lastVerdict;
    QString m_lastFolder;
    double m_zoom = 1; ///< the scale the laboratory is shown at
};

} // namespace lab
