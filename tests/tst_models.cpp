// The models of the oscillogram pages tick by tick, apart from any widget:
// what each tick draws and what it asks of its page; and the pages drawing
// exactly what their models say.

#include "palette/Palette.h"
#include "support/CourseDriver.h"

#include "pages/Demag.h"
#include "pages/Incomp.h"
#include "pages/Timp.h"
#include "pages/Vide.h"
#include "pages/models/DemagModel.h"
#include "pages/models/IncompModel.h"
#include "pages/models/VideModel.h"

#include "support/Names.h"

#include <QTest>
#include <algorithm>
#include <functional>

using namespace Qt::StringLiterals;

using shell::PageId;
using namespace pages;
using plot::Mark;
using plot::Trace;

namespace {

QString name(Trace trace) {
    static const char *const names[] = {"K",    "V1",    "V2",    "I1",   "Flux",
                                        "Axis", "Label", "Diode", "Zener"};
    return QString::fromLatin1(names[int(trace)]);
}

QString name(IncompModel::Event event) {
    static const char *const names[] = {"CircuitClosed", "CircuitOpen", "Saturated",
                                        "PhaseOver",     "NextPhase",   "Finished"};
    return QString::fromLatin1(names[int(event)]);
}

QString name(VideModel::Event event) {
    return event == VideModel::Event::NextTick ? QStringLiteral("NextTick")
                                               : QStringLiteral("Finished");
}

QString name(DemagModel::Event event) {
    static const char *const names[] = {"NextTick", "Peak", "DiodeRunOver", "ZenerRunOver"};
    return QString::fromLatin1(names[int(event)]);
}

QString point(QPoint p) {
    return QStringLiteral("(%1,%2)").arg(p.x()).arg(p.y());
}

// A tick as text: its marks (and the drawing position, first) and its events.
struct Said {
    QStringList marks;
    QStringList events;
};

template <typename Event> Said said(const plot::Tick<Event> &tick) {
    Said out;
    if (tick.position)
        out.marks << u"at "_s + point(*tick.position);
    for (const Mark &mark : tick.marks) {
        switch (mark.kind) {
        case Mark::Kind::Line:
            out.marks << name(*mark.trace) + u" "_s + point(mark.from) + u"-"_s + point(mark.to);
            break;
        case Mark::Kind::Beneath:
            out.marks << name(*mark.trace) + u" beneath "_s + point(mark.from) + u"-"_s +
                             point(mark.to);
            break;
        case Mark::Kind::Text: {
            QString text = QStringLiteral("text ");
            if (mark.trace)
                text += name(*mark.trace) + u" "_s;
            out.marks << text + point(mark.from) + u" "_s + mark.text;
            break;
        }
        }
    }
    for (const Event event : tick.events)
        out.events << name(event);
    return out;
}

// One pixel of a trace in column x at the row y.
QString px(const char *trace, int x, int y) {
    return QStringLiteral("%1 (%2,%3)-(%4,%3)").arg(QLatin1String(trace)).arg(x).arg(y).arg(x + 1);
}

// The pixels of a trace in column x, from row y0 to row y1 (either way).
QStringList column(const char *trace, int x, int y0, int y1) {
    QStringList out;
    for (int y = y0;; y += y1 >= y0 ? 1 : -1) {
        out << px(trace, x, y);
        if (y == y1)
            break;
    }
    return out;
}

// Incomp's five traces in one column, in the order they are drawn.
QStringList traces(int x, int k, int v1, int i1, int flux, int v2) {
    return {px("K", x, k), px("V1", x, v1), px("I1", x, i1), px("Flux", x, flux), px("V2", x, v2)};
}

// The steps of a whole Demag lesson: K closed and opened on the diode, then
// on the Zener diode, each timer run until it stops, and one tick too many.
// The step numbers: 0 closes K, 1 to 74 rise (74: the peak), 75 opens K, 76
// to 149 fall (149: back to zero); 150 to 299 the same with the Zener diode;
// 300 a fall after the end.
Said demagStep(DemagModel &model, int step) {
    const int run = step / 150;
    const int s = step % 150;
    if (step == 300)
        return said(model.fall());
    if (s == 0)
        return said(
            model.closeK(run == 0 ? DemagModel::Circuit::Diode : DemagModel::Circuit::Zener));
    if (s <= 74)
        return said(model.rise());
    if (s == 75)
        return said(model.openK());
    return said(model.fall());
}

// A model run from a fresh set of variables to its step \a n (0: the start).
Said stepOf(const QString &model, int n) {
    Timp timp;
    Said out;
    if (model == u"Vide") {
        VideModel vide(timp);
        out = said(vide.start());
        for (int i = 1; i <= n; ++i)
            out = said(vide.tick());
    } else if (model == u"Demag") {
        DemagModel demag(timp);
        for (int i = 0; i <= n; ++i)
            out = demagStep(demag, i);
    } else {
        IncompModel incomp(timp);
        out = said(incomp.start());
        for (int i = 1; i <= n; ++i)
            out = said(incomp.tick());
    }
    return out;
}

// Paints marks as a page does, in colours given here.
void paintMarks(tk::PlotSurface &surface, const std::vector<Mark> &marks,
                const std::function<QColor(Trace)> &colour) {
    for (const Mark &mark : marks) {
        if (mark.kind == Mark::Kind::Text) {
            surface.setDrawingPosition(mark.from.x(), mark.from.y());
            if (mark.trace)
                surface.setForeground(colour(*mark.trace));
            surface.print(mark.text);
        } else {
            surface.drawLine(mark.from.x(), mark.from.y(), mark.to.x(), mark.to.y(),
                             colour(*mark.trace),
                             mark.kind == Mark::Kind::Beneath ? tk::PlotSurface::Depth::Beneath
                                                              : tk::PlotSurface::Depth::Over);
        }
    }
}

} // namespace

class ModelsTest final : public QObject {
    Q_OBJECT
private slots:

    void ticks_data() {
        QTest::addColumn<QString>("model");
        QTest::addColumn<int>("step");
        QTest::addColumn<QStringList>("marks");
        QTest::addColumn<QStringList>("events");
        const QStringList none;

        // The no-load plot: the rising edges on arrival, then a column per
        // tick, the first of zero length, until x = 140.
        QTest::newRow("Vide arrival")
            << "Vide" << 0 << names({"at (19,162)", "V1 (19,162)-(19,20)", "V2 (19,162)-(19,80)"})
            << names({"NextTick"});
        QTest::newRow("Vide first tick")
            << "Vide" << 1
            << names({"I1 (19,162)-(19,162)", "V1 (19,20)-(19,20)", "V2 (19,80)-(19,80)"})
            << names({"NextTick"});
        QTest::newRow("Vide second tick")
            << "Vide" << 2
            << names({"I1 (19,162)-(20,161)", "V1 (19,20)-(20,20)", "V2 (19,80)-(20,80)"})
            << names({"NextTick"});
        QTest::newRow("Vide last tick")
            << "Vide" << 122
            << names({"I1 (139,42)-(140,41)", "V1 (139,20)-(140,20)", "V2 (139,80)-(140,80)"})
            << names({"Finished"});
        QTest::newRow("Vide after the end") << "Vide" << 123 << none << none;

        // The demagnetisation: up one pixel per tick to (90, 46), down through
        // D two pixels right per pixel, through D and Dz one.
        QTest::newRow("Demag K closed on D")
            << "Demag" << 0 << names({"at (17,119)"}) << names({"NextTick"});
        QTest::newRow("Demag first rise")
            << "Demag" << 1 << names({"Diode (17,119)-(18,118)"}) << names({"NextTick"});
        QTest::newRow("Demag last rise")
            << "Demag" << 73 << names({"Diode (89,47)-(90,46)"}) << names({"NextTick"});
        QTest::newRow("Demag peak") << "Demag" << 74 << none << names({"Peak"});
        QTest::newRow("Demag K opened") << "Demag" << 75 << none << names({"NextTick"});
        QTest::newRow("Demag first fall through D")
            << "Demag" << 76 << names({"Diode (90,46)-(92,47)"}) << names({"NextTick"});
        QTest::newRow("Demag last fall through D")
            << "Demag" << 148 << names({"Diode (234,118)-(236,119)"}) << names({"NextTick"});
        QTest::newRow("Demag D run over") << "Demag" << 149 << none << names({"DiodeRunOver"});
        QTest::newRow("Demag K closed on Dz")
            << "Demag" << 150 << names({"at (17,119)"}) << names({"NextTick"});
        QTest::newRow("Demag first rise, Dz")
            << "Demag" << 151 << names({"Zener (17,119)-(18,118)"}) << names({"NextTick"});
        QTest::newRow("Demag peak, Dz") << "Demag" << 224 << none << names({"Peak"});
        QTest::newRow("Demag first fall through Dz")
            << "Demag" << 226 << names({"Zener (90,46)-(91,47)"}) << names({"NextTick"});
        QTest::newRow("Demag last fall through Dz")
            << "Demag" << 298 << names({"Zener (162,118)-(163,119)"}) << names({"NextTick"});
        QTest::newRow("Demag Dz run over") << "Demag" << 299 << none << names({"ZenerRunOver"});
        QTest::newRow("Demag after the end") << "Demag" << 300 << none << none;

        // The incomplete demagnetisation: Suite, then 281 ticks over eight phases.
        QTest::newRow("Incomp Suite")
            << "Incomp" << 0
            << names({"text (90,130) K", "text (90,180) v1", "text (90,250) i1",
                      "text (90,310) Flux", "text (90,360) v2", "Axis beneath (120,140)-(410,140)",
                      "Axis beneath (120,190)-(410,190)", "Axis beneath (120,260)-(410,260)",
                      "Axis beneath (120,320)-(410,320)", "Axis beneath (120,370)-(410,370)",
                      "text (125,120) fermé", "text V1 (110,150) E"})
            << names({"CircuitClosed", "NextPhase"});
        QTest::newRow("Incomp first column")
            << "Incomp" << 1 << traces(120, 140, 160, 260, 320, 340) << none;
        QTest::newRow("Incomp end of the first closing")
            << "Incomp" << 40 << traces(159, 140, 160, 240, 300, 340)
            << names({"PhaseOver", "CircuitOpen", "NextPhase"});
        QTest::newRow("Incomp labelling tick")
            << "Incomp" << 41
            << names({"text V1 (115,200) -(Vd+Vz)", "text I1 (160,225) I"}) +
                   column("V1", 160, 160, 210) + column("V2", 160, 340, 390) +
                   names({"text Label (165,110) ouvert"})
            << names({"PhaseOver", "CircuitOpen", "NextPhase"});
        QTest::newRow("Incomp first open column")
            << "Incomp" << 42 << traces(160, 130, 211, 240, 300, 391) << none;
        QTest::newRow("Incomp first closing again")
            << "Incomp" << 81
            << traces(199, 130, 211, 249, 309, 391) + column("V1", 200, 211, 161) +
                   column("V2", 200, 391, 341) + names({"text (205,120) fermé"})
            << names({"PhaseOver", "CircuitClosed", "NextPhase"});
        QTest::newRow("Incomp last column before saturation")
            << "Incomp" << 187 << traces(305, 140, 160, 227, 287, 340) << none;
        QTest::newRow("Incomp saturation")
            << "Incomp" << 188
            << column("V2", 306, 340, 369) + column("I1", 306, 227, 220) +
                   traces(306, 140, 160, 220, 287, 370)
            << names({"Saturated"});
        QTest::newRow("Incomp saturated")
            << "Incomp" << 189 << traces(307, 140, 160, 220, 287, 370) << names({"Saturated"});
        QTest::newRow("Incomp saturated opening")
            << "Incomp" << 201
            << traces(319, 140, 160, 220, 287, 370) + names({"text (325,110) ouvert"}) +
                   column("I1", 320, 220, 227) + column("V1", 320, 160, 210) +
                   column("V2", 320, 370, 390)
            << names({"Saturated", "PhaseOver", "CircuitOpen", "NextPhase"});
        QTest::newRow("Incomp second saturation")
            << "Incomp" << 264
            << column("V2", 382, 340, 369) + column("I1", 382, 227, 220) +
                   traces(382, 140, 160, 220, 287, 370)
            << names({"Saturated"});
        QStringList last = traces(399, 140, 160, 220, 287, 370);
        for (const auto &[first, end] : {std::pair{120, 159}, {200, 239}, {280, 305}, {360, 381}})
            for (int x = first; x <= end; ++x)
                for (int y = 341; y <= 370; ++y)
                    last << QStringLiteral("V2 (%1,%2)-(%1,%3)").arg(x).arg(y).arg(y + 1);
        last << u"Label (400,220)-(420,220)"_s
             << u"text (420,215) courant de court-circuit du générateur"_s;
        for (const int x : {130, 170, 210, 250, 290, 330, 370})
            last << QStringLiteral("text (%1,170) T/2").arg(x);
        QTest::newRow("Incomp last tick")
            << "Incomp" << 281 << last << names({"Saturated", "PhaseOver", "Finished"});
        QTest::newRow("Incomp after the end") << "Incomp" << 282 << none << none;
    }

    void ticks() {
        QFETCH(QString, model);
        QFETCH(int, step);
        QFETCH(QStringList, marks);
        QFETCH(QStringList, events);
        const Said tick = stepOf(model, step);
        QCOMPARE(tick.marks, marks);
        QCOMPARE(tick.events, events);
    }

    // The run's shape: the ticks of each Incomp phase, and the beeps of the
    // saturated columns (14 in the third closing, 18 in the fourth).
    void incompPhasesAndSaturations() {
        Timp timp;
        IncompModel model(timp);
        model.start();
        QList<int> ticks(IncompModel::PhaseCount);
        int saturated = 0;
        for (int n = 0; n < 1000 && model.phase() < IncompModel::PhaseCount; ++n) {
            const int phase = model.phase();
            const IncompModel::Tick tick = model.tick();
            ++ticks[phase];
            saturated += int(
                std::count(tick.events.begin(), tick.events.end(), IncompModel::Event::Saturated));
        }
        QCOMPARE(ticks, (QList<int>{40, 1, 40, 40, 40, 40, 40, 40}));
        QCOMPARE(saturated, 14 + 18);
        QCOMPARE(timp.SatY, Coord(227));
    }

    // Each page draws exactly the marks its model gives: the page's plot,
    // drawn by a whole visit, is the plot painted here from a model run on
    // variables of its own.
    void pagesDrawWhatTheirModelsSay_data() {
        QTest::addColumn<int>("page");
        QTest::newRow("Vide") << int(PageId::Vide);
        QTest::newRow("Demag") << int(PageId::Demag);
        QTest::newRow("Incomp") << int(PageId::Incomp);
    }

    void pagesDrawWhatTheirModelsSay() {
        QFETCH(int, page);
        using namespace palette;
        CourseDriver driver;
        driver.walkTo(PageId(page));
        tk::PlotSurface *surface = nullptr;
        std::function<QColor(Trace)> colour;
        std::vector<Mark> marks;
        Timp timp;
        const auto take = [&marks](const auto &tick) {
            marks.insert(marks.end(), tick.marks.begin(), tick.marks.end());
        };
        switch (PageId(page)) {
        case PageId::Vide: {
            surface = driver.page<Vide>().Picture1;
            colour = [](Trace t) { return t == Trace::V1 ? Green : t == Trace::V2 ? Blue : Red; };
            VideModel model(timp);
            take(model.start());
            for (int i = 0; i < 122; ++i)
                take(model.tick());
            break;
        }
        case PageId::Demag: {
            surface = driver.page<Demag>().Picture1;
            colour = [](Trace t) { return t == Trace::Diode ? Yellow : Red; };
            DemagModel model(timp);
            for (const auto circuit : {DemagModel::Circuit::Diode, DemagModel::Circuit::Zener}) {
                model.closeK(circuit);
                for (int i = 0; i < 74; ++i)
                    take(model.rise());
                model.openK();
                for (int i = 0; i < 74; ++i)
                    take(model.fall());
            }
            break;
        }
        default: {
            surface = driver.page<Incomp>().Surface;
            colour = [](Trace t) {
                switch (t) {
                case Trace::V1:
                case Trace::V2:
                    return Blue;
                case Trace::I1:
                    return Red;
                case Trace::Flux:
                    return Lime;
                case Trace::Axis:
                    return Grey;
                default:
                    return Black;
                }
            };
            IncompModel model(timp);
            take(model.start());
            for (int i = 0; i < 281; ++i)
                take(model.tick());
            break;
        }
        }
        const QColor ink = surface->foreground();
        driver.completeShownPage();
        const QImage drawn = surface->grab().toImage();
        surface->clear();
        surface->setForeground(ink);
        paintMarks(*surface, marks, colour);
        QCOMPARE(surface->grab().toImage(), drawn);
        // Every timer stopped with the model's end: nothing ticks after it.
        for (const tk::Timer *timer :
             driver.course().coursePage(PageId(page)).findChildren<tk::Timer *>())
            QVERIFY2(!timer->isEnabled(), qPrintable(timer->objectName()));
    }
};

QTEST_MAIN(ModelsTest)
#include "tst_models.moc"
