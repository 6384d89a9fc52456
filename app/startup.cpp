#include "app/startup.h"

#include "about/Aproposde.h"
#include "about/emblem.h"
#include "app/hsk.h"
#include "platform/error_reporting.h"
#include "platform/openal_audio_service.h"
#include "platform/window_placement.h"

#include <QApplication>
#include <QFontDatabase>
#include <memory>

void install_fonts()
{
    // Regular face only: Wine's bold Tahoma is hardly heavier than its regular
    // one. Without it FreeType emboldens the regular face for bold text, which
    // reads as bold and keeps the regular widths the boxes are measured for.
    QFontDatabase::addApplicationFont(QStringLiteral("/usr/share/wine/fonts/tahoma.ttf"));
    QFont::insertSubstitution(QStringLiteral("SimHei"), QStringLiteral("WenQuanYi Zen Hei"));
}

int run_program(QApplication& application)
{
    application.setApplicationName(QStringLiteral("Parvolis - HSK élémentaire"));
    application.setApplicationVersion(QStringLiteral(PARVOLIS_PRODUCT_VERSION));
    application.setDesktopFileName(QStringLiteral("parvolis"));
    application.setWindowIcon(program_icon());
    install_fonts();

    // The audio service outlives the window, whose players close their
    // devices when it is destroyed.
    audio::openal_audio_service audio;
    std::unique_ptr<TForm1> form1;
    try {
        form1 = std::make_unique<TForm1>(audio);
        form1->setAboutBox(new TForm2(form1.get()));
    } catch (const AppError& error) {
        form1.reset();
        report_startup_error(error);
        return 1;
    }

    centre_on_desktop(form1.get());
    form1->show();
    return application.exec();
}
