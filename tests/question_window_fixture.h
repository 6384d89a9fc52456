#pragma once
// A small window laid out like the question pages: a button outside, then a
// top-level page set whose pages hold
//   0, 1  four options (tags 1, 2) and a focus holder after them;
//   2     a player stand-in, then two group frames of four options (tags 3, 4);
//   3     a passage box and a sub-page set of two sub-pages, each four options
//         (tags 5, 6) and a focus holder;
//   4     four options (tag 7) followed by a passage box, no holder.
// Every answer report is logged as the tag of the focused control followed by
// the option's caption ("2B"), as the answer handlers read it; a report made
// while the option lacks the focus is logged as "unfocused".

#include "platform/focus_holder.h"
#include "platform/page_set.h"
#include "platform/passage_box.h"
#include "platform/radio_option.h"

#include <QApplication>
#include <QGroupBox>
#include <QPushButton>
#include <QTabBar>
#include <QStringList>
#include <QtTest>
#include <array>

struct Question {
    std::array<RadioOption*, 4> options {};
    FocusHolder* holder = nullptr;

    RadioOption* operator[](int letter) const { return options[static_cast<std::size_t>(letter)]; }
    int checkedCount() const
    {
        int checked = 0;
        for (RadioOption* option : options)
            checked += option->isChecked() ? 1 : 0;
        return checked;
    }
};

class QuestionWindow {
public:
    QWidget window;
    QPushButton* outside = nullptr;
    PageSet* set = nullptr;
    std::array<QWidget*, 5> pages {};
    std::array<Question, 8> q {};  // indexed by tag
    QPushButton* player = nullptr;
    std::array<QGroupBox*, 2> groups {};
    PassageBox* subPagePassage = nullptr;
    PageSet* subPages = nullptr;
    PassageBox* readingPassage = nullptr;
    QStringList answers;

    QuestionWindow()
    {
        window.resize(660, 420);
        outside = new QPushButton(QStringLiteral("Suivant"), &window);
        outside->setGeometry(2, 4, 150, 25);
        set = new PageSet(PageSet::Level::TopLevel, &window);
        set->setGeometry(2, 58, 639, 338);

        pages[0] = addPage(QStringLiteral("Question 1"));
        addColumn(pages[0], 1, 80, 40, true);
        pages[1] = addPage(QStringLiteral("Question 2"));
        addColumn(pages[1], 2, 80, 40, true);

        pages[2] = addPage(QStringLiteral("Questions 3-4"));
        player = new QPushButton(QStringLiteral("Play"), pages[2]);
        player->setGeometry(264, 24, 85, 20);
        for (int g = 0; g < 2; ++g) {
            groups[static_cast<std::size_t>(g)] = new QGroupBox(QString::number(3 + g), pages[2]);
            groups[static_cast<std::size_t>(g)]->setGeometry(8 + 300 * g, 64, 233, 225);
            addColumn(groups[static_cast<std::size_t>(g)], 3 + g, 64, 40, false);
        }

        pages[3] = addPage(QStringLiteral("Questions 5-6"));
        subPagePassage = new PassageBox(QStringLiteral("Passage"), false, pages[3]);
        subPagePassage->setGeometry(6, 8, 617, 105);
        subPages = new PageSet(PageSet::Level::Nested, pages[3]);
        subPages->setGeometry(56, 128, 521, 177);
        for (int tag = 5; tag <= 6; ++tag) {
            auto* sub = new QWidget;
            addColumn(sub, tag, 40, 26, true);
            subPages->addTab(sub, QStringLiteral("Question %1").arg(tag));
        }

        pages[4] = addPage(QStringLiteral("Question 7"));
        addColumn(pages[4], 7, 152, 32, false);
        readingPassage = new PassageBox(QStringLiteral("Passage"), false, pages[4]);
        readingPassage->setGeometry(6, 8, 617, 65);
    }

    // Shows the window and waits until it is active, with the focus outside the set.
    bool showActive()
    {
        window.show();
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window))
            return false;
        outside->setFocus(Qt::OtherFocusReason);
        return QApplication::focusWidget() == outside;
    }

    static QWidget* focus() { return QApplication::focusWidget(); }

    // Keys go to the window as the keyboard delivers them: to the focused control.
    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(window.windowHandle(), k, modifiers);
    }

    static void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }

    int checkedOnPages() const
    {
        int checked = 0;
        for (const Question& question : q)
            checked += question.options[0] ? question.checkedCount() : 0;
        return checked;
    }

private:
    QWidget* addPage(const QString& caption)
    {
        auto* page = new QWidget;
        set->addTab(page, caption);
        return page;
    }

    void addColumn(QWidget* container, int tag, int top, int spacing, bool withHolder)
    {
        Question& question = q[static_cast<std::size_t>(tag)];
        for (int letter = 0; letter < 4; ++letter) {
            auto* option = new RadioOption(QString(QChar('A' + letter)), container);
            option->setGeometry(8, top + spacing * letter, 200, 25);
            option->setTag(tag);
            QObject::connect(option, &RadioOption::checkedByUser, option, [this](RadioOption* checked) {
                QWidget* focused = QApplication::focusWidget();
                answers << (focused == checked ? QString::number(focused->property("tag").toInt()) + checked->text()
                                               : QStringLiteral("unfocused"));
            });
            question.options[static_cast<std::size_t>(letter)] = option;
        }
        if (withHolder) {
            question.holder = new FocusHolder(container);
            question.holder->move(-40, top + 2 * spacing);
        }
    }
};
