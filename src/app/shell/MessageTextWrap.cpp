#include "shell/MessageTextWrap.h"

#include <QFontMetrics>

namespace ms::gui {

namespace {

enum class BreakAt { Blank, Separator, Character };

// The pieces of `text` after each of which a line may end.
QStringList pieces(const QString& text, BreakAt at) {
    QStringList result;
    QString piece;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        piece += c;
        const bool endsPiece =
            at == BreakAt::Character || (at == BreakAt::Separator && (c == u'/' || c == u'\\')) ||
            (at == BreakAt::Blank && c == u' ' && (i + 1 == text.size() || text.at(i + 1) != u' '));
        if (endsPiece) {
            result << piece;
            piece.clear();
        }
    }
    if (!piece.isEmpty())
        result << piece;
    return result;
}

QString withoutTrailingBlanks(QString text) {
    while (text.endsWith(u' '))
        text.chop(1);
    return text;
}

struct Packer {
    const QFontMetrics& metrics;
    int maxWidth;
    QStringList lines;
    QString current;

    bool fits(const QString& text) const {
        return metrics.horizontalAdvance(withoutTrailingBlanks(text)) <= maxWidth;
    }
    void endLine() {
        if (!current.isEmpty())
            lines << withoutTrailingBlanks(current);
        current.clear();
    }
    void pack(const QString& text, BreakAt at) {
        for (const QString& piece : pieces(text, at)) {
            if (fits(current + piece)) {
                current += piece;
                continue;
            }
            // A piece too long for any line is broken finer, starting on the current line.
            if (at != BreakAt::Character && !fits(piece)) {
                pack(piece, at == BreakAt::Blank ? BreakAt::Separator : BreakAt::Character);
                continue;
            }
            endLine();
            current = piece;
        }
    }
};

} // namespace

QStringList wrapLine(const QString& line, const QFontMetrics& metrics, int maxWidth) {
    if (metrics.horizontalAdvance(line) <= maxWidth)
        return {line};
    Packer packer{metrics, maxWidth, {}, {}};
    packer.pack(line, BreakAt::Blank);
    packer.endLine();
    return packer.lines;
}

} // namespace ms::gui
