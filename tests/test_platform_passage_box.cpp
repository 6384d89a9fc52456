// The read-only passage box: text kept as given, wrapping, scroll bar on
// request only, and the keyboard.

#include "platform/passage_box.h"

#include <QApplication>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>
#include <QtTest>

class PlatformPassageBox : public QObject {
    Q_OBJECT
private slots:
    void text_is_shown_exactly_as_given()
    {
        const QString text = QStringLiteral("    小王：你好！\n  小李：你好。\n\n最后一行");
        PassageBox box(text, false);
        QCOMPARE(box.toPlainText(), text);
        QCOMPARE(box.document()->firstBlock().text(), QStringLiteral("    小王：你好！"));
        QCOMPARE(box.document()->blockCount(), 4);
    }

    void long_lines_wrap_at_the_width_and_the_bar_comes_only_when_asked()
    {
        QWidget window;
        window.resize(660, 420);
        const QString line = QString(120, QChar(u'书'));
        auto* plain = new PassageBox(line + QStringLiteral("\n") + line, false, &window);
        plain->setGeometry(6, 8, 617, 105);
        auto* scrolled = new PassageBox(QStringLiteral("短"), true, &window);
        scrolled->setGeometry(6, 200, 617, 145);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        const QTextBlock first = plain->document()->firstBlock();
        QVERIFY(first.layout()->lineCount() > 1);
        QVERIFY(!plain->horizontalScrollBar()->isVisible());
        QVERIFY(!plain->verticalScrollBar()->isVisible());  // even though the text overflows
        QVERIFY(plain->verticalScrollBar()->maximum() > 0);
        QVERIFY(scrolled->verticalScrollBar()->isVisible());  // even though the text fits
        QVERIFY(!scrolled->horizontalScrollBar()->isVisible());
    }

    void keyboard_reads_but_never_edits()
    {
        QWidget window;
        auto* before = new QPushButton(QStringLiteral("avant"), &window);
        auto* box = new PassageBox(QStringLiteral("一\n二\n三\n四\n五\n六\n七\n八\n九\n十"), true, &window);
        box->setGeometry(6, 40, 300, 65);
        auto* after = new QPushButton(QStringLiteral("après"), &window);
        after->move(6, 120);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));

        before->setFocus();
        QTest::keyClick(window.windowHandle(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), box);
        QTest::keyClick(window.windowHandle(), Qt::Key_X);
        QTest::keyClick(window.windowHandle(), Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), box);
        QCOMPARE(box->verticalScrollBar()->value(), 1);
        QTest::keyClick(window.windowHandle(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), after);
        QVERIFY(box->toPlainText().startsWith(QStringLiteral("一\n二")));
    }
};

QTEST_MAIN(PlatformPassageBox)
#include "test_platform_passage_box.moc"
