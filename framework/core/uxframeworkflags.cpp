#include "framework/core/uxframeworkflags.h"

namespace {
bool s_aboutIconShown = true;
}

bool uxFrameworkFlags::aboutIconShown()
{
    return s_aboutIconShown;
}

void uxFrameworkFlags::setAboutIconShown(bool shown)
{
    s_aboutIconShown = shown;
}
