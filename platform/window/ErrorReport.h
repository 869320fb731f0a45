#pragma once

#include <QString>

#include <exception>
#include <utility>

// The message as the error report shows it: a full stop is appended when the message is not empty
// and its last character comes after '.' in the character table.
//   "Floating point overflow" -> "Floating point overflow."
//   "Range check error"       -> "Range check error."
//   "Done!"                   -> "Done!"
//   ""                        -> ""
QString ErrorReportText(const QString& message);

// The default error report: releases any mouse grab, then shows the message in a modal error box
// captioned with the application's display name, over the active window.
void ShowErrorReport(const QString& message);
void ShowErrorReport(const std::exception& error);

// Runs an event handler at the boundary where Qt calls our code: an exception that escapes it is
// reported, never unwound through Qt's frames, and the program carries on.
template <typename Handler>
void RunGuarded(Handler&& handler) noexcept
{
    try {
        std::forward<Handler>(handler)();
    } catch (const std::exception& error) {
        ShowErrorReport(error);
    } catch (...) {
        ShowErrorReport(QStringLiteral("Unknown error"));
    }
}

// A slot for connect() that runs a member handler guarded.
template <typename Object>
auto Guarded(Object* object, void (Object::*handler)())
{
    return [object, handler] { RunGuarded([object, handler] { (object->*handler)(); }); };
}
