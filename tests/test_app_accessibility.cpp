// The question pages as assistive technology sees and drives them, through
// Qt's accessibility interfaces: answer options, pictures, passages, start
// buttons and the tab stops that are not options.

#include "app_fixture.h"
#include "catalogue_lookup.h"
#include "content/catalogue.h"
#include "pages_driver.h"
#include "platform/status_panels.h"

#include <QAccessible>
#include <QLabel>

namespace {
QAccessibleInterface* iface(QObject* object)
{
    return QAccessible::queryAccessibleInterface(object);
}

void act(QObject* object, const QString& action)
{
    iface(object)->actionInterface()->doAction(action);
}

const QString toggle = QAccessibleActionInterface::toggleAction();
const QString press = QAccessibleActionInterface::pressAction();
}

class Accessibility : public QObject {
    Q_OBJECT
private slots:
    void option_actions_answer_through_the_click_path()
    {
        app_fixture app;
        TForm1& f = *app.form;
        QVERIFY(app.show());
        QTest::mouseClick(f.Button2, Qt::LeftButton); // section 2, questions 51 to 90
        int reported = 0;
        for (RadioOption* o : f.answer_options())
            connect(o, &RadioOption::checkedByUser, this, [&] { ++reported; });

        RadioOption* c51 = option_of(f, 51, 2);
        QAccessibleInterface* c = iface(c51);
        QCOMPARE(c->role(), QAccessible::RadioButton);
        QCOMPARE(c->text(QAccessible::Name), c51->text());
        QVERIFY(c->state().checkable && !c->state().checked);
        QVERIFY(c->actionInterface()->actionNames().contains(toggle));

        act(c51, toggle);
        QVERIFY(c->state().checked);
        QCOMPARE(f.state().reponse[51], 3);
        QCOMPARE(reported, 1);
        QCOMPARE(f.StatusBar->text(1), QStringLiteral("Nombre de réponses : 1 / 40"));
        QCOMPARE(QApplication::focusWidget(), c51); // as a click: the option takes the focus

        // On the checked option, neither action records anything new.
        act(c51, toggle);
        act(c51, press);
        QVERIFY(c->state().checked);
        QCOMPARE(reported, 1);

        // Another option of the question takes the answer from it; one answer still.
        act(option_of(f, 51, 0), press);
        QVERIFY(!c->state().checked && iface(option_of(f, 51, 0))->state().checked);
        QCOMPARE(f.state().reponse[51], 1);
        QCOMPARE(reported, 2);
        QCOMPARE(f.StatusBar->text(1), QStringLiteral("Nombre de réponses : 1 / 40"));
    }

    void what_the_pages_tell()
    {
        app_fixture app;
        TForm1& f = *app.form;
        const catalogue content = catalogue::load();

        // Every picture strip carries its four drawings' descriptions, and
        // each option its own drawing's.
        for (int numero = 1; numero <= 15; ++numero) {
            const question& q = *question_by_number(content, numero).question;
            const QWidget* page = f.Section1->widget(numero - 1);
            QLabel* strip = nullptr;
            for (QLabel* label : page->findChildren<QLabel*>())
                if (!label->pixmap().isNull())
                    strip = label;
            QVERIFY(strip);
            QCOMPARE(iface(strip)->role(), QAccessible::Graphic);
            const QString alternative = iface(strip)->text(QAccessible::Name);
            QVERIFY(alternative.startsWith(QStringLiteral("A : ")) && alternative.contains(QStringLiteral(" D : ")));
            QCOMPARE(alternative, picture_alternative(q));
            QCOMPARE(iface(option_of(f, numero, 3))->text(QAccessible::Description), q.dessins[3]);
        }

        // Options name their question where a page holds several.
        QCOMPARE(iface(option_of(f, 44, 1))->text(QAccessible::Description), QStringLiteral("Question 44"));
        QCOMPARE(iface(option_of(f, 95, 0))->text(QAccessible::Description), QStringLiteral("Question 95"));
        QVERIFY(iface(option_of(f, 55, 0))->text(QAccessible::Description).isEmpty());

        // A focus holder is a named grouping that offers nothing to press.
        QAccessibleInterface* holder = iface(option_of(f, 51, 0)->parentWidget()->findChild<FocusHolder*>());
        QCOMPARE(holder->role(), QAccessible::Grouping);
        QCOMPARE(holder->text(QAccessible::Name), QStringLiteral("Question 51"));
        QVERIFY(!holder->actionInterface()->actionNames().contains(press));

        // The three start buttons share their caption, not their description.
        QCOMPARE(iface(f.Button1)->text(QAccessible::Description), QStringLiteral("1 - Compréhension orale"));

        // A passage box is read-only text that gives its whole passage.
        auto* passage = option_of(f, 111, 0)->parentWidget()->findChild<PassageBox*>();
        QAccessibleInterface* box = iface(passage);
        QCOMPARE(box->text(QAccessible::Name), QStringLiteral("Texte"));
        QVERIFY(box->state().readOnly);
        QAccessibleTextInterface* text = box->textInterface();
        QVERIFY(text);
        QCOMPARE(text->text(0, text->characterCount()), passage->toPlainText());
        QVERIFY(text->text(0, text->characterCount()).contains(question_by_number(content, 111).page->texte.first()));
    }
};

QTEST_MAIN(Accessibility)
#include "test_app_accessibility.moc"
