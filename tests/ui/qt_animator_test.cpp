// The real-time animator: a wait keeps the table painting, and once the table is
// closing a wait returns without running the event loop at all.

#include "ui/table/qt_animator.h"
#include "table/table_scene.h"
#include "ui/table/table_widget.h"

#include <QTest>

using namespace velmora;
using namespace std::chrono_literals;

namespace {

class EventCounter : public QObject {
  public:
    int events = 0;
    bool event(QEvent* e) override {
        if (e->type() != QEvent::User) return QObject::event(e);
        ++events;
        return true;
    }
};

}  // namespace

class QtAnimatorTest : public QObject {
    Q_OBJECT

  private slots:
    void AWaitKeepsPainting() {
        TableScene scene;
        TableWidget widget(scene);
        widget.resize(644, 465);
        widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&widget));
        QtAnimator animator;
        animator.SetWidget(&widget);

        Sprite& card = scene[scene.CardPlace(0, 1)];
        card.Pic = {PictureKind::CardFace, 5};
        card.Visible = true;
        const long long before = widget.Paints();
        animator.Repaint();
        animator.Wait(20ms);
        QVERIFY(widget.Paints() > before);
    }

    void AClosingTableWaitsForNothing() {
        QtAnimator animator;
        bool closed = false;
        animator.SetClosed([&] { return closed; });
        EventCounter counter;
        QCoreApplication::postEvent(&counter, new QEvent(QEvent::User));

        closed = true;
        animator.Wait(std::chrono::hours(1));
        QCOMPARE(counter.events, 0);
        closed = false;
        animator.Wait(1ms);
        QCOMPARE(counter.events, 1);
    }
};

QTEST_MAIN(QtAnimatorTest)
#include "qt_animator_test.moc"
