#pragma once
// Builds the program's windows as start-up does, for tests that drive them
// through real widgets: fonts, picture formats, the main window and its About
// box, run from the build folder where the recordings are, on the built-in
// catalogue. A test class derived from it gets them opened before each of its
// test functions (init) and closed after (cleanup): every test starts on a
// fresh window.

#include "about/Aproposde.h"
#include "about/emblem.h"
#include "app/hsk.h"
#include "app/startup.h"
#include "audio_spy.h"
#include "content/catalogue.h"
#include "main_window_driver.h"
#include "platform/openal_audio_service.h"
#include "platform/picture_formats.h"

#include <QDir>
#include <QtTest>
#include <memory>

class main_window_fixture : public QObject {
    Q_OBJECT
protected:
    audio::openal_audio_service openal; // the real service, null device in the tests
    audio_spy audio{openal};
    std::unique_ptr<TForm1> form;
    TForm2* about = nullptr;
    main_window_driver f; // the window's controls, by name

    // Shows the main window and waits until it is active, as the event loop's
    // first show does.
    bool show()
    {
        form->show();
        form->activateWindow();
        return QTest::qWaitForWindowActive(form.get());
    }

    // The About box's OK button.
    QPushButton* about_ok() const { return about->findChild<QPushButton*>(QStringLiteral("Button1")); }

private slots:
    // Qt Test runs these around each test function of the derived class.
    void init()
    {
        QDir::setCurrent(QStringLiteral(PARVOLIS_BUILD_DIR));
        register_standard_picture_formats();
        install_fonts();
        QApplication::setWindowIcon(program_icon());
        form = std::make_unique<TForm1>(catalogue::load(), audio);
        form->ensurePages();
        about = new TForm2(form.get());
        form->setAboutBox(about);
        f = main_window_driver(*form);
    }

    void cleanup()
    {
        f = main_window_driver();
        about = nullptr;
        form.reset();
    }
};
