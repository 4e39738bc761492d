// Every text whole in its box as a real window lays it out: in an X server
// (the test runs on a 1024x768, a 1366x768, a 1280x1024 and a 1920x1080
// screen), whose
// font engine hints and rounds as the learner's desktop does, at every scale
// from 100 % to 300 % and in full screen.

#include "support/CourseDriver.h"

#include "toolkit/HostWindow.h"
#include "toolkit/TextBox.h"

#include <QGuiApplication>
#include <QTest>

using shell::PageId;

namespace {

// The visible texts of every course page that are not whole, at the scale
// and in the state the session gives.
QStringList cutTexts(CourseDriver &driver, const QString &state) {
    QStringList cut;
    driver.visitEveryPage([&](const CourseDriver::Stop &stop) {
        const PageId id = stop.page;
        for (const tk::TextBox *box : driver.course().page(id).findChildren<tk::TextBox *>())
            if (box->isVisible() && !box->showsWholeText())
                cut << QStringLiteral("%1 %2.%3")
                           .arg(state, shell::formName(id), box->objectName());
    });
    return cut;
}

} // namespace

class TextFitTest final : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        if (QGuiApplication::platformName() != u"xcb")
            QSKIP("a real window of the X server is needed");
    }

    void everyTextIsWholeAtEveryScale() {
        CourseDriver driver;
        driver.startCourse();
        tk::Session &session = driver.course().session();
        QStringList cut;
        for (double zoom = 1.0; zoom <= 3.0; zoom += 0.25) {
            session.appearance().setZoom(zoom);
            session.window().applyScale();
            cut << cutTexts(driver, QStringLiteral("%1 %").arg(qRound(zoom * 100)));
        }
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u", ")));
    }

    void everyTextIsWholeInFullScreen() {
        CourseDriver driver;
        driver.startCourse();
        tk::Session &session = driver.course().session();
        session.appearance().setFullScreen(true);
        session.window().applyScale();
        QTRY_VERIFY(session.window().isFullScreenNow());
        const QStringList cut = cutTexts(driver, QStringLiteral("plein écran"));
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u", ")));
    }
};

QTEST_MAIN(TextFitTest)
#include "tst_textfit.moc"
