// Writes the program icon for the desktop's icon theme:
//   draw_icons FOLDER SIZE...
// gives FOLDER/<size>x<size>/apps/parvolis.png for each size, drawn by the
// same code and with the same fonts as the icon the running program shows.

#include "about/emblem.h"
#include "app/startup.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>

namespace {
int fail(const QString& message)
{
    std::fprintf(stderr, "draw_icons: %s\n", qPrintable(message));
    return 1;
}
}

int main(int argc, char** argv)
{
    // A build step: it draws off screen, with or without a display.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() < 3)
        return fail(QStringLiteral("usage: draw_icons FOLDER SIZE..."));
    install_fonts();

    const QDir folder(arguments.at(1));
    for (const QString& argument : arguments.mid(2)) {
        bool is_number = false;
        const int size = argument.toInt(&is_number);
        if (!is_number || size < 16 || size > 1024)
            return fail(QStringLiteral("not an icon size: %1").arg(argument));
        const QString theme_folder = QStringLiteral("%1x%1/apps").arg(size);
        if (!folder.mkpath(theme_folder))
            return fail(QStringLiteral("cannot make %1").arg(folder.filePath(theme_folder)));
        const QString file = folder.filePath(theme_folder + QStringLiteral("/parvolis.png"));
        if (!program_icon_image(size).save(file, "PNG"))
            return fail(QStringLiteral("cannot write %1").arg(file));
    }
    return 0;
}
