#pragma once
// Reporting of errors, as the program's event loop does it: an error escaping
// an event handler is shown in a message box captioned with the application
// title and the program goes on; an error during start-up is shown in an
// "Application Error" box and ends the program with exit status 1.
// Qt does not let exceptions cross its event dispatch, so handlers that may
// fail catch AppError at their edge and hand it to report_handler_error().

#include "platform/app_error.h"

#include <functional>

// The text shown for an error message: a full stop is appended when the
// message's last character sorts after '.' (so "…." "…!" "…)" stay as they are).
QString error_box_text(const QString& message);

// Shows the error box of a failed handler (or hands the error to the reporter
// installed for tests) and returns once it is dismissed.
void report_handler_error(const AppError& error);

// The start-up failure report: written to standard error and shown in a
// task-modal "Application Error" box naming the error kind and its message
// (or handed to the installed reporter).
void report_startup_error(const AppError& error);

// Tests install a reporter to observe errors without a blocking box;
// an empty function restores the message boxes.
using error_reporter = std::function<void(const AppError& error, bool during_startup)>;
void set_error_reporter(error_reporter reporter);
