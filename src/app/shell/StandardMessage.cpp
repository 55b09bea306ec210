#include "shell/StandardMessage.h"

#include <QMessageBox>

#include <cstdio>

namespace ms::gui::StandardMessage {
namespace {
bool g_suppressed = false;
std::optional<Shown> g_last;

void show(QWidget* parent, QMessageBox::Icon icon, const QString& caption, const QString& text) {
    g_last = Shown{caption, text};
    // Errors also go to the terminal, where a user who started the program from a shell sees them.
    if (icon == QMessageBox::Critical)
        std::fprintf(stderr, "%s: %s\n", qPrintable(caption), qPrintable(text));
    if (g_suppressed)
        return;
    QMessageBox box(icon, caption, text, QMessageBox::Ok, parent);
    box.exec();
}
} // namespace

void critical(QWidget* parent, const QString& caption, const QString& text) {
    show(parent, QMessageBox::Critical, caption, text);
}

void information(QWidget* parent, const QString& caption, const QString& text) {
    show(parent, QMessageBox::Information, caption, text);
}

void reportError(QWidget* parent, const std::exception& error) {
    show(parent, QMessageBox::Critical, QStringLiteral("Marvessa Spantora"), QString::fromUtf8(error.what()));
}

void setSuppressed(bool suppressed) { g_suppressed = suppressed; }
std::optional<Shown> lastShown() { return g_last; }
void clearLastShown() { g_last.reset(); }

} // namespace ms::gui::StandardMessage
