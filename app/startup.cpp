#include "app/startup.h"

#include "about/Aproposde.h"
#include "about/emblem.h"
#include "app/hsk.h"
#include "app/startup_phase.h"
#include "content/catalogue.h"
#include "pages/clip_player.h"
#include "pages/question_pages.h"
#include "platform/error_reporting.h"
#include "platform/openal_audio_service.h"
#include "platform/window_placement.h"

#include <QApplication>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QTimer>
#include <QTranslator>
#include <QWindow>

#include <fontconfig/fontconfig.h>

#include <functional>
#include <memory>

namespace {
// Runs `work` once the window's first frame has been drawn: the expose that
// brings the first frame is handled in full (painted and sent to the screen)
// before the queued call runs, and that call comes before the candidate can
// have done anything.
class after_first_frame : public QObject {
public:
    after_first_frame(QWidget* window, std::function<void()> work) : QObject(window), work_(std::move(work))
    {
        window->windowHandle()->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
            watched->removeEventFilter(this);
            mark_startup_phase("exposed");
            QTimer::singleShot(0, parent(), work_);
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> work_;
};
}

startup_preparation::startup_preparation()
{
    std::promise<void> fonts_loaded;
    fonts_ = fonts_loaded.get_future();
    content_ = std::async(std::launch::async, [fonts_loaded = std::move(fonts_loaded)]() mutable {
        FcInit();
        fonts_loaded.set_value();
        content prepared{catalogue::load(), {}};
        for (const QString& clip : section_clips(prepared.questions.pages(1))) {
            const QString file = clip_file_name(clip);
            prepared.clip_measures.emplace(file, audio::openal_audio_service::measure(file));
        }
        return prepared;
    });
}

void startup_preparation::wait_for_fonts()
{
    fonts_.wait();
}

startup_preparation::content startup_preparation::take_content()
{
    return content_.get();
}

void install_fonts()
{
    // Regular face only: Wine's bold Tahoma is hardly heavier than its regular
    // one. Without it FreeType emboldens the regular face for bold text, which
    // reads as bold and keeps the regular widths the boxes are measured for.
    QFontDatabase::addApplicationFont(QStringLiteral("/usr/share/wine/fonts/tahoma.ttf"));
    QFont::insertSubstitution(QStringLiteral("SimHei"), QStringLiteral("WenQuanYi Zen Hei"));
}

void install_french_translations(QApplication& application)
{
    auto* translator = new QTranslator(&application);
    if (translator->load(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
    else
        delete translator;
}

int run_program(QApplication& application, startup_preparation& preparation)
{
    mark_startup_phase("application");
    install_french_translations(application);
    mark_startup_phase("translations");
    application.setApplicationName(QStringLiteral("Parvolis - HSK élémentaire"));
    application.setApplicationVersion(QStringLiteral(PARVOLIS_PRODUCT_VERSION));
    application.setDesktopFileName(QStringLiteral("parvolis"));
    preparation.wait_for_fonts();
    install_fonts();
    mark_startup_phase("fonts");

    // The audio service outlives the window, whose players close their
    // devices when it is destroyed. A catalogue that cannot be read, like a
    // clip that cannot be opened, ends start-up with its error box.
    audio::openal_audio_service audio;
    std::unique_ptr<TForm1> form1;
    try {
        form1 = std::make_unique<TForm1>(
            [&] {
                startup_preparation::content prepared = preparation.take_content();
                audio.use_measures(std::move(prepared.clip_measures));
                return std::move(prepared.questions);
            },
            audio);
    } catch (const AppError& error) {
        form1.reset();
        report_startup_error(error);
        return 1;
    }

    centre_on_desktop(form1.get());
    form1->show();
    mark_startup_phase("shown");
    // What the first frame does not show is made right after it: the
    // question pages, the About box and the program's icon.
    new after_first_frame(form1.get(), [&application, form = form1.get()] {
        form->ensurePages();
        form->setAboutBox(new TForm2(form));
        application.setWindowIcon(program_icon());
        mark_startup_phase("completed");
    });
    return application.exec();
}
