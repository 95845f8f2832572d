#include "platform/platformmprisrootadaptor.h"

#include "platform/platformmprisservice.h"

PlatformMprisRootAdaptor::PlatformMprisRootAdaptor(PlatformMprisService* service)
    : QDBusAbstractAdaptor(service), m_service(service)
{
}

QString PlatformMprisRootAdaptor::identity() const
{
    return m_service->identity().name;
}

QString PlatformMprisRootAdaptor::desktopEntry() const
{
    return m_service->identity().desktopEntry;
}

QStringList PlatformMprisRootAdaptor::supportedMimeTypes() const
{
    return m_service->identity().mimeTypes;
}

void PlatformMprisRootAdaptor::Raise()
{
    emit m_service->raiseRequested();
}

void PlatformMprisRootAdaptor::Quit()
{
    emit m_service->quitRequested();
}
