#include "shell/QtSettingsStore.h"

#include "shell/Error.h"
#include "shell/SystemErrorText.h"

#include <QSettings>

namespace ms::gui {

const QString QtSettingsStore::KeyPath =
    QStringLiteral("SOFTWARE/Microsoft/Windows/CurrentVersion/MarvessaSpantora");

namespace {
QSettings openSettings() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("MarvessaSpantora"),
                     QStringLiteral("MarvessaSpantora"));
}

void syncOrThrow(QSettings& settings) {
    settings.sync();
    const std::string file = settings.fileName().toStdString();
    switch (settings.status()) {
    case QSettings::NoError:
        return;
    case QSettings::FormatError:
        throw Error("Die Einstellungsdatei \"" + file + "\" ist fehlerhaft.");
    case QSettings::AccessError:
        break;
    }
    throw Error("Die Einstellungen können nicht in die Datei \"" + file +
                "\" geschrieben werden: " + writeFailureCause(file));
}
} // namespace

bool QtSettingsStore::keyExists() const {
    QSettings s = openSettings();
    s.beginGroup(KeyPath);
    return !s.allKeys().isEmpty();
}

std::string QtSettingsStore::read(const std::string& name) const {
    return readValue(QString::fromStdString(name)).toStdString();
}

void QtSettingsStore::removeKey() {
    QSettings s = openSettings();
    s.remove(KeyPath);
    syncOrThrow(s);
}

void QtSettingsStore::write(const std::vector<std::pair<std::string, std::string>>& values) {
    QSettings s = openSettings();
    s.beginGroup(KeyPath);
    for (const auto& [name, value] : values)
        s.setValue(QString::fromStdString(name), QString::fromStdString(value));
    s.endGroup();
    syncOrThrow(s);
}

void QtSettingsStore::writeValue(const QString& name, const QString& value) {
    QSettings s = openSettings();
    s.setValue(KeyPath + QLatin1Char('/') + name, value);
    syncOrThrow(s);
}

QString QtSettingsStore::fileName() {
    return openSettings().fileName();
}

QString QtSettingsStore::readValue(const QString& name) {
    QSettings s = openSettings();
    return s.value(KeyPath + QLatin1Char('/') + name).toString();
}

} // namespace ms::gui
