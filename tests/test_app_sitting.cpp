// Sitting the test as a candidate: slips of the mouse and the keyboard that
// must neither record an answer nor end a section, every question's tab in
// sight, and bold captions that read as bold.

#include "app_fixture.h"
#include "pages_driver.h"
#include "platform/status_panels.h"

#include <QLabel>
#include <QStyle>
#include <QToolButton>

namespace {
int answered(const main_window_driver& f)
{
    int n = 0;
    for (int q = 1; q <= question_count; ++q)
        n += f.answer(q) != 0 ? 1 : 0;
    return n;
}

// The ink of a caption: how far its pixels are from the background, summed.
qint64 ink(const QFont& font)
{
    QLabel label(QStringLiteral("Niveau HSK élémentaire"));
    label.setFont(font);
    label.resize(label.sizeHint());
    const QImage image = label.grab().toImage();
    const int background = qGray(image.pixel(0, 0));
    qint64 sum = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            sum += qAbs(background - qGray(image.pixel(x, y)));
    return sum;
}
}

class Sitting : public main_window_fixture {
    Q_OBJECT
private slots:
    // The second click of a double-click on "Démarrer" lands on option B of
    // question 51, shown under the pointer by the first click.
    void double_click_on_start_records_nothing()
    {
        QVERIFY(show());
        const QPoint lower_part = f.Button2()->mapTo(form.get(), QPoint(f.Button2()->width() / 2, f.Button2()->height() - 3));
        QTest::mouseDClick(form->windowHandle(), Qt::LeftButton, {}, lower_part);
        QVERIFY(f.Section2()->isVisible());
        QCOMPARE(form->childAt(lower_part), f.option(51, 1));
        QCOMPARE(answered(f), 0);
        QVERIFY(f.StatusBar()->text(1).isEmpty());

        // A click delivered late but made before the page was shown is as
        // blind; a deliberate click a moment later answers.
        const QPoint local = f.option(51, 1)->mapFrom(form.get(), lower_part);
        QMouseEvent early(QEvent::MouseButtonPress, local, form->mapToGlobal(lower_part), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        early.setTimestamp(0);
        QApplication::sendEvent(f.option(51, 1), &early);
        QTest::mouseRelease(f.option(51, 1), Qt::LeftButton, {}, local);
        QCOMPARE(answered(f), 0);
        QVERIFY(f.StatusBar()->text(1).isEmpty()); // nothing recorded either
        QTest::mouseClick(form->windowHandle(), Qt::LeftButton, {}, lower_part, 1000);
        QCOMPARE(f.answer(51), 2);
        QCOMPARE(f.StatusBar()->text(1), QStringLiteral("Nombre de réponses : 1 / 40"));
    }

    void focus_after_a_screen_change_is_never_on_terminer()
    {
        QVERIFY(show());
        QTest::keyClick(f.Button1(), Qt::Key_Space);
        QCOMPARE(QApplication::focusWidget(), f.suivant()); // first in keyboard order
        for (QPushButton* start : {f.Button2(), f.Button3()}) {
            QTest::mouseClick(f.terminer(), Qt::LeftButton);
            QCOMPARE(QApplication::focusWidget(), start); // the first "Démarrer" still enabled
            QTest::keyClick(start, Qt::Key_Space);
        }
        QTest::mouseClick(f.terminer(), Qt::LeftButton); // all three "Démarrer" greyed
        QWidget* focus = QApplication::focusWidget();
        QVERIFY(!focus || focus->isVisible());

        f.menu_section2()->trigger();
        QCOMPARE(QApplication::focusWidget(), f.suivant());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(f.terminer()->isVisible() && f.Timer1()->isActive());
        QCOMPARE(f.Section2()->currentIndex(), 2);
    }

    void every_sub_page_tab_is_in_sight()
    {
        QVERIFY(show());
        f.Button3()->click();
        const QList<PageSet*> sets = f.Section3()->findChildren<PageSet*>();
        QCOMPARE(sets.size(), 12);
        for (PageSet* sub : sets) {
            f.Section3()->setCurrentIndex(page_index_of(f.Section3(), sub));
            QTabBar* strip = sub->tabBar();
            for (QToolButton* arrow : strip->findChildren<QToolButton*>())
                QVERIFY(!arrow->isVisible());
            const int padding = strip->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, strip);
            for (int i = 0; i < sub->count(); ++i) {
                QVERIFY2(strip->rect().contains(strip->tabRect(i)), qPrintable(sub->tabText(i)));
                // The caption is drawn whole, within the tab's padding.
                QVERIFY(strip->tabRect(i).width() >= strip->fontMetrics().horizontalAdvance(sub->tabText(i)) + padding);
            }
        }
    }

    void bold_captions_read_as_bold()
    {
        QFont regular(QStringLiteral("Tahoma"));
        regular.setPixelSize(11);
        QFont bold = regular;
        bold.setBold(true);
        const qint64 light = ink(regular);
        const qint64 heavy = ink(bold);
        QVERIFY2(heavy * 10 >= light * 14, qPrintable(QStringLiteral("%1 against %2").arg(heavy).arg(light)));
        // Bold keeps the regular widths, so captions fit the boxes they were measured in.
        QCOMPARE(QFontMetrics(bold).horizontalAdvance(QStringLiteral("Niveau HSK élémentaire")),
                 QFontMetrics(regular).horizontalAdvance(QStringLiteral("Niveau HSK élémentaire")));
    }

    // Up and Down leave a clip player for the options beside it without
    // choosing one.
    void arrows_from_a_player_record_nothing()
    {
        QVERIFY(show());
        f.Button1()->click();
        RadioOption* c40 = f.option(40, 2);
        bring_into_view(f, c40);
        QTest::mouseClick(c40, Qt::LeftButton);
        QCOMPARE(f.answer(40), 3);
        QTabBar* tabs = f.Section1()->tabBar();
        const int page41 = page_index_of(f.Section1(), f.option(41, 0));
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(page41).center());
        ClipPlayer* player41 = f.Section1()->widget(page41)->findChild<ClipPlayer*>();
        QCOMPARE(QApplication::focusWidget(), player41);

        // Unanswered: Down rests on A, Up on D, neither checked.
        QTest::keyClick(player41, Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), f.option(41, 0));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up); // back to the player
        QCOMPARE(QApplication::focusWidget(), player41);
        QTest::keyClick(player41, Qt::Key_Up);
        QCOMPARE(QApplication::focusWidget(), f.option(41, 3));
        QCOMPARE(answered(f), 1);
        QCOMPARE(f.StatusBar()->text(1), QStringLiteral("Nombre de réponses : 1 / 50"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space); // a deliberate answer
        QCOMPARE(f.answer(41), 4);

        // Answered: both keys rest on the checked option.
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(page41 - 1).center());
        ClipPlayer* player40 = f.Section1()->widget(page41 - 1)->findChild<ClipPlayer*>();
        QCOMPARE(QApplication::focusWidget(), player40);
        for (Qt::Key key : {Qt::Key_Down, Qt::Key_Up}) {
            player40->setFocus(Qt::TabFocusReason);
            QTest::keyClick(player40, key);
            QCOMPARE(QApplication::focusWidget(), c40);
        }
        QCOMPARE(f.answer(40), 3);
        QCOMPARE(answered(f), 2);
    }
};

QTEST_MAIN(Sitting)
#include "test_app_sitting.moc"
