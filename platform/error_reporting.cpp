#include "platform/error_reporting.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <cstdio>

namespace {
error_reporter& installed_reporter()
{
    static error_reporter reporter;
    return reporter;
}
}

QString error_box_text(const QString& message)
{
    if (!message.isEmpty() && message.back() > QChar(u'.'))
        return message + u'.';
    return message;
}

void set_error_reporter(error_reporter reporter)
{
    installed_reporter() = std::move(reporter);
}

void report_handler_error(const AppError& error)
{
    if (installed_reporter()) {
        installed_reporter()(error, false);
        return;
    }
    QMessageBox box(QMessageBox::Critical, QApplication::applicationDisplayName(),
                    error_box_text(error.message()), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

void report_startup_error(const AppError& error)
{
    const QString text = QStringLiteral("%1 : %2").arg(error.kind(), error_box_text(error.message()));
    std::fprintf(stderr, "Application Error: %s\n", text.toLocal8Bit().constData());
    if (installed_reporter()) {
        installed_reporter()(error, true);
        return;
    }
    // Without a display (the offscreen platform) nobody could dismiss the box:
    // standard error is the report there.
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        return;
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Application Error"), text, QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}
