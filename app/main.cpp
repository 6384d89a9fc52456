// Parvolis - HSK élémentaire: a mock examination of the elementary HSK.
// The program takes no command line: Qt is given the program name only.

#include "app/startup.h"
#include "platform/picture_formats.h"

#include <QApplication>

int main(int, char** argv)
{
    int argc = 1;
    char* program_only[] = {argv[0], nullptr};
    QApplication application(argc, program_only);
    register_standard_picture_formats(); // before any question picture is read
    return run_program(application);
}
