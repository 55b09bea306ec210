#pragma once

#include <QLockFile>
#include <memory>

namespace ms::gui {

// The system-wide lock "MarvessaSpantora", held for the life of the process. A lock left behind by a
// crashed copy is taken over.
class SingleInstance {
public:
    // False when another running copy holds the lock.
    bool acquire();

private:
    std::unique_ptr<QLockFile> m_lock;
};

} // namespace ms::gui
