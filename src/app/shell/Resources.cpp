#include "shell/Resources.h"

#include <QDir>
#include <QtCore/qglobal.h>

static void initEmbedded() {
    Q_INIT_RESOURCE(embedded);
    Q_INIT_RESOURCE(icons);
#ifdef SPANTORA_HAS_IMAGES
    Q_INIT_RESOURCE(images);
#endif
}

namespace ms::gui {

void initResources() {
    static bool done = false;
    if (done)
        return;
    done = true;
    initEmbedded();
}

} // namespace ms::gui
