#include "shell/SingleInstance.h"

#include <QDir>
#include <QStandardPaths>

namespace ms::gui {

bool SingleInstance::acquire() {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    m_lock = std::make_unique<QLockFile>(dir + QStringLiteral("/MarvessaSpantora.lock"));
    // Staleness is decided by the owner's process id alone, never by age: a copy may run for days.
    m_lock->setStaleLockTime(0);
    return m_lock->tryLock(0);
}

} // namespace ms::gui
