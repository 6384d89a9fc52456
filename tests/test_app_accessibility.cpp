// The question pages as assistive technology sees and drives them, through
// Qt's accessibility interfaces: answer options, pictures, passages, start
// buttons and the tab stops that are not options.

#include "app_fixture.h"
#include "catalogue_lookup.h"
#include "content/catalogue.h"
#include "pages_driver.h"
#include "platform/bevel_panel.h"
#include "platform/status_panels.h"

#include <QAccessible>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>

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

QAccessibleInterface* focus_holder_of(const main_window_driver& f, int numero)
{
    return iface(f.option(numero, 0)->parentWidget()->findChild<FocusHolder*>());
}

QString without_ampersand(QString caption) { return caption.remove(u'&'); }
}

class Accessibility : public main_window_fixture {
    Q_OBJECT
private slots:
    void option_actions_answer_through_the_click_path()
    {
        QVERIFY(show());
        QTest::mouseClick(f.Button2(), Qt::LeftButton); // section 2, questions 51 to 90
        int reported = 0;
        for (RadioOption* o : f.answer_options())
            connect(o, &RadioOption::checkedByUser, this, [&] { ++reported; });

        RadioOption* c51 = f.option(51, 2);
        QAccessibleInterface* c = iface(c51);
        QCOMPARE(c->role(), QAccessible::RadioButton);
        QCOMPARE(c->text(QAccessible::Name), c51->text());
        QVERIFY(c->state().checkable && !c->state().checked);
        QVERIFY(c->actionInterface()->actionNames().contains(toggle));

        act(c51, toggle);
        QVERIFY(c->state().checked);
        QCOMPARE(f.answer(51), 3);
        QCOMPARE(reported, 1);
        QCOMPARE(f.StatusBar()->text(1), QStringLiteral("Nombre de réponses : 1 / 40"));
        QCOMPARE(QApplication::focusWidget(), c51); // as a click: the option takes the focus

        // On the checked option, neither action records anything new.
        act(c51, toggle);
        act(c51, press);
        QVERIFY(c->state().checked);
        QCOMPARE(reported, 1);

        // Another option of the question takes the answer from it; one answer still.
        act(f.option(51, 0), press);
        QVERIFY(!c->state().checked && iface(f.option(51, 0))->state().checked);
        QCOMPARE(f.answer(51), 1);
        QCOMPARE(reported, 2);
        QCOMPARE(f.StatusBar()->text(1), QStringLiteral("Nombre de réponses : 1 / 40"));
    }

    void what_the_pages_tell()
    {
        const catalogue content = catalogue::load();

        // Every picture strip carries its four drawings' descriptions, and
        // each option its own drawing's.
        for (int numero = 1; numero <= 15; ++numero) {
            const question& q = *question_by_number(content, numero).question;
            const QWidget* page = f.Section1()->widget(numero - 1);
            QLabel* strip = nullptr;
            for (QLabel* label : page->findChildren<QLabel*>())
                if (!label->pixmap().isNull())
                    strip = label;
            QVERIFY(strip);
            QCOMPARE(iface(strip)->role(), QAccessible::Graphic);
            const QString alternative = iface(strip)->text(QAccessible::Name);
            QVERIFY(alternative.startsWith(QStringLiteral("A : ")) && alternative.contains(QStringLiteral(" D : ")));
            QCOMPARE(alternative, picture_alternative(q));
            QCOMPARE(iface(f.option(numero, 3))->text(QAccessible::Description), q.dessins[3]);
        }

        // Options name their question where a page holds several.
        QCOMPARE(iface(f.option(44, 1))->text(QAccessible::Description), QStringLiteral("Question 44"));
        QVERIFY(iface(f.option(95, 0))->text(QAccessible::Description).startsWith(QStringLiteral("Question 95 : ")));
        QVERIFY(iface(f.option(55, 0))->text(QAccessible::Description).isEmpty());

        // A focus holder is a named grouping that offers nothing to press.
        QAccessibleInterface* holder = iface(f.option(51, 0)->parentWidget()->findChild<FocusHolder*>());
        QCOMPARE(holder->role(), QAccessible::Grouping);
        QCOMPARE(holder->text(QAccessible::Name), QStringLiteral("Question 51"));
        QVERIFY(!holder->actionInterface()->actionNames().contains(press));

        // The three start buttons share their caption, not their description.
        QCOMPARE(iface(f.Button1())->text(QAccessible::Description), QStringLiteral("1 - Compréhension orale"));

        // A passage box is read-only text that gives its whole passage.
        auto* passage = f.option(111, 0)->parentWidget()->findChild<PassageBox*>();
        QAccessibleInterface* box = iface(passage);
        QCOMPARE(box->text(QAccessible::Name), QStringLiteral("Texte"));
        QVERIFY(box->state().readOnly);
        QAccessibleTextInterface* text = box->textInterface();
        QVERIFY(text);
        QCOMPARE(text->text(0, text->characterCount()), passage->toPlainText());
        QVERIFY(text->text(0, text->characterCount()).contains(question_by_number(content, 111).page->texte.first()));
    }

    // Where the focus lands on a question (its focus holder, an option, a
    // sub-page), what the question asks is read too.
    void stems_are_read_with_their_questions()
    {
        const catalogue content = catalogue::load();
        const QString stem76 = question_by_number(content, 76).question->enonce;
        QVERIFY(stem76.contains(u'＿'));
        QCOMPARE(focus_holder_of(f, 76)->text(QAccessible::Name), QStringLiteral("Question 76"));
        QCOMPARE(focus_holder_of(f, 76)->text(QAccessible::Description), stem76);
        QCOMPARE(iface(f.option(76, 0))->text(QAccessible::Description), stem76);
        const QString stem111 = question_by_number(content, 111).question->enonce;
        QCOMPARE(iface(f.option(111, 2))->text(QAccessible::Description), stem111);
        QCOMPARE(iface(f.option(111, 0)->parentWidget()->findChild<PassageBox*>())->text(QAccessible::Description),
                 stem111);
        QCOMPARE(focus_holder_of(f, 51)->text(QAccessible::Description),
                 QStringLiteral("Sélectionnez parmi ces 4 choix l'unique phrase correcte"));

        // Several questions on a page: the question's number, then its stem.
        const QString stem112 = question_by_number(content, 112).question->enonce;
        QCOMPARE(iface(f.option(112, 1))->text(QAccessible::Description), "Question 112 : " + stem112);
        QCOMPARE(focus_holder_of(f, 112)->text(QAccessible::Description), stem112);
        QAccessibleInterface* sub_page = iface(f.option(112, 0)->parentWidget());
        QCOMPARE(sub_page->text(QAccessible::Name), QStringLiteral("Question 112"));
        QCOMPARE(sub_page->text(QAccessible::Description), stem112);

        // A gap is read in its sentence (the rule is the catalogue's).
        for (const int gap : {91, 92, 96}) {
            const auto [q, p] = question_by_number(content, gap);
            QCOMPARE(focus_holder_of(f, gap)->text(QAccessible::Description), question_prompt(*p, *q));
            QVERIFY(question_prompt(*p, *q).contains(QString::number(gap)));
        }
    }

    // Finishing announces the result with its figure; the time left and the
    // navigation buttons read in words. Captions stay as they are.
    void results_and_time_are_told()
    {
        QVERIFY(show());
        QCOMPARE(engine::time_left_in_words(2100), QStringLiteral("Temps restant : 35 minutes"));
        QCOMPARE(engine::time_left_in_words(61), QStringLiteral("Temps restant : 1 minute 1 seconde"));
        QCOMPARE(engine::time_left_in_words(59), QStringLiteral("Temps restant : 59 secondes"));
        QCOMPARE(engine::time_left_in_words(0), QStringLiteral("Temps restant : 0 seconde"));

        QTest::mouseClick(f.Button2(), Qt::LeftButton);
        QCOMPARE(iface(f.precedent())->text(QAccessible::Name), QStringLiteral("Question précédente"));
        QCOMPARE(iface(f.suivant())->text(QAccessible::Name), QStringLiteral("Question suivante"));
        QCOMPARE(f.suivant()->text(), QStringLiteral("Question suivante >>"));
        QCOMPARE(iface(f.StatusBar())->role(), QAccessible::StatusBar);
        form->Timer1Timer();
        QCOMPARE(f.StatusBar()->text(2), QStringLiteral("Temps restant : 39'59\""));
        QCOMPARE(iface(f.StatusBar()->panel(2))->text(QAccessible::Name), QStringLiteral("Temps restant : 39 minutes 59 secondes"));

        // The result is text that a change event can carry (headless, Qt
        // sends no event: tools/check_accessibility.sh hears it on the bus).
        act(f.option(51, f.key(51) - 1), press);
        QTest::mouseClick(f.terminer(), Qt::LeftButton);
        QCOMPARE(f.score2()->text(), engine::percentage_text(1, 40));
        QAccessibleInterface* result = iface(f.score2());
        QAccessibleTextInterface* text = result->textInterface();
        QVERIFY(text);
        QCOMPARE(text->text(0, text->characterCount()), f.score2()->text());
        QCOMPARE(result->text(QAccessible::Name), f.score2()->text());
        QCOMPARE(result->text(QAccessible::Description), QStringLiteral("Score de la section 2"));
        QCOMPARE(iface(f.StatusBar()->panel(2))->text(QAccessible::Name), QString());
    }

    void roles_and_names()
    {
        QVERIFY(show());
        QCOMPARE(iface(about->findChild<QLabel*>(QStringLiteral("Image1")))->text(QAccessible::Name),
                 QStringLiteral("Parvolis"));

        // The home screen's rows are read top down.
        QAccessibleInterface* client = iface(form->centralWidget());
        QVERIFY(client->indexOfChild(iface(f.Panel1())) < client->indexOfChild(iface(f.Panel7())));
        QVERIFY(client->indexOfChild(iface(f.Panel7())) < client->indexOfChild(iface(f.Panel2())));

        // Only the tab of a strip that has the focus is focused.
        const auto focused_tabs = [&] {
            int count = 0;
            for (PageSet* set : form->findChildren<PageSet*>())
                for (int i = 0; i < set->count(); ++i)
                    count += iface(set->tabBar())->child(i)->state().focused ? 1 : 0;
            return count;
        };
        QCOMPARE(focused_tabs(), 0);
        QTest::mouseClick(f.Button1(), Qt::LeftButton);
        f.Section1()->tabBar()->setFocus();
        QAccessibleInterface* strip = iface(f.Section1()->tabBar());
        QCOMPARE(focused_tabs(), 1);
        QVERIFY(strip->child(0)->state().focused && strip->child(0)->state().selected);
        QCOMPARE(strip->child(1)->text(QAccessible::Name), QStringLiteral("Question 2"));
        strip->child(1)->actionInterface()->doAction(press);
        QCOMPARE(f.Section1()->currentIndex(), 1);
        QVERIFY(strip->child(1)->state().focused && !strip->child(0)->state().selected);
        QCOMPARE(strip->childCount(), f.Section1()->count() + 2); // and the two scroll arrows
        QCOMPARE(strip->child(f.Section1()->count())->text(QAccessible::Name), QStringLiteral("Onglets précédents"));
    }

    // Qt's own texts read French, whatever the user's language.
    void stock_texts_are_french()
    {
        install_french_translations(*qApp);
        QMessageBox box(QMessageBox::Question, QStringLiteral("Parvolis"), QString(), QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(without_ampersand(box.button(QMessageBox::Yes)->text()), QStringLiteral("Oui"));
        QCOMPARE(without_ampersand(box.button(QMessageBox::No)->text()), QStringLiteral("Non"));
        std::unique_ptr<QMenu> menu(f.option(111, 0)->parentWidget()->findChild<PassageBox*>()->createStandardContextMenu());
        QStringList captions;
        for (QAction* action : menu->actions())
            captions << without_ampersand(action->text()).section(u'\t', 0, 0);
        QVERIFY2(captions.contains(QStringLiteral("Copier")) && captions.contains(QStringLiteral("Tout sélectionner")),
                 qPrintable(captions.join(u'|')));
    }
};

QTEST_MAIN(Accessibility)
#include "test_app_accessibility.moc"
