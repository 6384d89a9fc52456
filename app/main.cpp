// Parvolis - HSK élémentaire: a mock examination of the elementary HSK.
// The program takes no command line: Qt is given the program name only.

#include "app/startup.h"
#include "app/startup_phase.h"
#include "platform/picture_formats.h"

#include <QApplication>

#include <cstdlib>

int main(int, char** argv)
{
    mark_startup_phase("main");
    // Without X11 shared memory, a repaint travels in the request itself and
    // the server sends nothing back: while a section runs, the countdown's
    // repaint each second then wakes the program once instead of three
    // times. The window is small; the copy costs nothing noticeable.
    setenv("QT_XCB_NO_MITSHM", "1", 0);
    // The menu bar stays in the window, where the candidate expects it, even
    // on desktops that gather menus in a global bar; and start-up does not
    // ask the session bus whether there is one.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    register_standard_picture_formats(); // before any question picture is read
    startup_preparation preparation;
    int argc = 1;
    char* program_only[] = {argv[0], nullptr};
    QApplication application(argc, program_only);
    return run_program(application, preparation);
}
