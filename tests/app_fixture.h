#pragma once
// Builds the program's windows as start-up does, for tests that drive them
// through real widgets: fonts, picture formats, the main window and its About
// box, run from the build folder where the recordings are, on the built-in
// catalogue.

#include "about/Aproposde.h"
#include "about/emblem.h"
#include "app/hsk.h"
#include "app/startup.h"
#include "content/catalogue.h"
#include "platform/openal_audio_service.h"
#include "platform/picture_formats.h"

#include <QDir>
#include <QtTest>
#include <memory>

// The paper the candidate sits, as the "Épreuve" menu shows it: its checked item, from 1.
inline int checked_paper(const TForm1& f)
{
    for (std::size_t i = 0; i < f.menu_epreuve.size(); ++i)
        if (f.menu_epreuve[i]->isChecked())
            return static_cast<int>(i + 1);
    return 0;
}

struct app_fixture {
    audio::openal_audio_service audio;
    std::unique_ptr<TForm1> form;
    TForm2* about = nullptr;

    app_fixture()
    {
        QDir::setCurrent(QStringLiteral(PARVOLIS_BUILD_DIR));
        register_standard_picture_formats();
        install_fonts();
        QApplication::setWindowIcon(program_icon());
        form = std::make_unique<TForm1>(catalogue::load(), audio);
        form->ensure_pages();
        about = new TForm2(form.get());
        form->setAboutBox(about);
    }

    // Shows the main window and waits until it is active, as the event loop's
    // first show does.
    bool show()
    {
        form->show();
        form->activateWindow();
        return QTest::qWaitForWindowActive(form.get());
    }
};
