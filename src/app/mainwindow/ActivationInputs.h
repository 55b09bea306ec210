#pragma once

#include "lifecycle/ModExport.h"

#include <QDateTime>
#include <QLocale>
#include <QString>

namespace ms::gui {

// The moment of an activation as the mod's header writes it: the locale's short date, a blank and
// its long time without the time zone ("29.07.2023 08:38:14" on a German system).
QString activationTimestamp(const QLocale& locale, const QDateTime& when);

// What activation needs from the window: the current moment in the system's locale and the ship's
// picture under its plain icon name at 128 x 128 as PNG. Throws ms::Error when the picture
// collection has no such picture.
ms::ActivationInputs activationInputs(const QString& iconName);

} // namespace ms::gui
