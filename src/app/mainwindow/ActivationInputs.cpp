#include "mainwindow/ActivationInputs.h"

#include "shell/Error.h"
#include "shell/ImageCollection.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>

namespace ms::gui {

namespace {

// Drops the time-zone letters from a time format, leaving quoted literals alone. The header's
// time is the wall-clock time; a zone name would only vary with the season.
QString withoutTimeZone(const QString& format) {
    QString kept;
    bool quoted = false;
    for (const QChar c : format) {
        if (c == QLatin1Char('\''))
            quoted = !quoted;
        else if (!quoted && c == QLatin1Char('t'))
            continue;
        kept += c;
    }
    return kept.simplified();
}

// A two-digit year would leave the century open; the date is written with four digits as the
// desktop's own short date does.
QString withFullYear(const QString& format) {
    QString result;
    bool quoted = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format.at(i);
        if (c == QLatin1Char('\''))
            quoted = !quoted;
        if (quoted || c != QLatin1Char('y')) {
            result += c;
            continue;
        }
        qsizetype run = 0;
        while (i + run < format.size() && format.at(i + run) == QLatin1Char('y'))
            ++run;
        result += QStringLiteral("yyyy");
        i += run - 1;
    }
    return result;
}

} // namespace

QString activationTimestamp(const QLocale& locale, const QDateTime& when) {
    return locale.toString(when.date(), withFullYear(locale.dateFormat(QLocale::ShortFormat))) +
           QLatin1Char(' ') +
           locale.toString(when.time(), withoutTimeZone(locale.timeFormat(QLocale::LongFormat)));
}

ms::ActivationInputs activationInputs(const QString& iconName) {
    ms::ActivationInputs inputs;
    inputs.createdAt = activationTimestamp(QLocale::system(), QDateTime::currentDateTime()).toStdString();

    const QImage picture = ImageCollection::image(iconName, QSize(128, 128));
    if (picture.isNull())
        throw ms::Error("Das Bild \"" + iconName.toStdString() +
                        "\" für die Modbeschreibung fehlt in der Bildersammlung des Programms.");
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer, "PNG"))
        throw ms::Error("Das Bild \"" + iconName.toStdString() + "\" ließ sich nicht als PNG schreiben.");
    inputs.iconPicture = png.toStdString();
    return inputs;
}

} // namespace ms::gui
