#pragma once

#include <QString>

#include <exception>
#include <optional>

class QWidget;

namespace ms::gui {

// The platform's standard message boxes, used at start-up and for the general error report. Tests
// can set the next answer so that no box blocks; with an answer set the box is recorded, not shown.
namespace StandardMessage {

void critical(QWidget* parent, const QString& caption, const QString& text);
void information(QWidget* parent, const QString& caption, const QString& text);

// The general error report: the error's text in a message box.
void reportError(QWidget* parent, const std::exception& error);

// Test support: suppress the next boxes and remember what they said.
void setSuppressed(bool suppressed);
struct Shown {
    QString caption;
    QString text;
};
std::optional<Shown> lastShown();
void clearLastShown();

} // namespace StandardMessage
} // namespace ms::gui
