#pragma once

#include <QStringList>

class QFontMetrics;

namespace ms::gui {

// Breaks one line of text into lines no wider than `maxWidth` pixels: at blanks where it can, inside
// a word too long for a line after a path separator ("/" or "\"), and only where neither helps
// between two characters. A line that fits comes back as it is.
QStringList wrapLine(const QString& line, const QFontMetrics& metrics, int maxWidth);

} // namespace ms::gui
