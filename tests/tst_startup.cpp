// Start-up builds only what the title page shows, in the order the learner
// meets it: the window first, the faces when its texts are painted, the
// italic faces (which the title page does not use) at the hand-over. In a
// process of its own, since the faces stay registered once they are.

#include "app/CourseSetup.h"

#include "fonts/Fonts.h"
#include "shell/Course.h"
#include "shell/CoursePage.h"
#include "shell/Debut.h"
#include "toolkit/Timer.h"

#include <QTest>
#include <QWindow>

class StartupTest final : public QObject {
    Q_OBJECT
private slots:
    void theFacesComeWhenTheTextsNeedThem() {
        app::configureApplication();
        shell::Course course;
        app::assemble(course);
        course.start();
        shell::Debut &title = course.debut();
        QVERIFY(title.isVisible());
        QCOMPARE(fonts::registered(), fonts::Faces::None);
        for (int id = 1; id < shell::PageCount; ++id)
            QVERIFY(!course.exists(shell::pageAt(id)));

        // Painted: its texts in the embedded upright faces, nothing italic yet.
        QVERIFY(QTest::qWaitForWindowExposed(&title));
        title.grab();
        QCOMPARE(fonts::registered(), fonts::Faces::Upright);
        QCOMPARE(QFontInfo(title.TexteDebut->font()).family(), fonts::family());
        QCOMPARE(title.TexteDebut->lineCount(), 3);

        // The hand-over: the first page's pictures bring the italic faces.
        title.Timer1->fire();
        QWidget &first = course.page(shell::PageId::Fonction);
        QVERIFY(QTest::qWaitForWindowExposed(&first));
        first.grab();
        QCOMPARE(fonts::registered(), fonts::Faces::All);
    }
};

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
