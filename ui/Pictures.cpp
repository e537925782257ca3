#include "ui/Pictures.h"

#include <QtGlobal>

// Q_INIT_RESOURCE names a function of the global namespace, so it is called from there.
static void InitPictures()
{
    Q_INIT_RESOURCE(pictures);
}

namespace tenvik {

void LoadPictureResources()
{
    static const bool loaded = (InitPictures(), true);
    Q_UNUSED(loaded);
}

} // namespace tenvik
