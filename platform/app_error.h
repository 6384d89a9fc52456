#pragma once
// The one error type of the program. Code that fails throws it and does not
// handle it itself: Qt lets no exception cross its event dispatch, so an event
// handler that may fail catches it at its edge and reports it in a message box
// (report_handler_error(), error_reporting.h), and the program goes on; during
// start-up it is reported the same way and ends the program.
// `kind` names the error class as the candidate's error box shows it
// (e.g. "EMCIDeviceError"), `message` is the human-readable text.

#include <QString>
#include <QByteArray>
#include <exception>

class AppError : public std::exception {
public:
    AppError(QString kind, QString message)
        : kind_(std::move(kind)), message_(std::move(message)), what_(message_.toUtf8()) {}

    const QString& kind() const noexcept { return kind_; }
    const QString& message() const noexcept { return message_; }
    const char* what() const noexcept override { return what_.constData(); }

private:
    QString kind_;
    QString message_;
    QByteArray what_;
};
