#include "entry/uxsingleinstance.h"

#include "framework/core/uxproductinfo.h"
#include "platform/platforminstancelock.h"
#include "platform/platformusersharedmemory.h"
#include "platform/platformwindow.h"

#include <cstring>

static uxSingleInstance* s_instance = nullptr;

uxSingleInstance* uxSingleInstance::instance()
{
    if (!s_instance)
        s_instance = new uxSingleInstance(uxProductInfo::instance()->name());
    return s_instance;
}

void uxSingleInstance::deleteInstance()
{
    delete s_instance;
    s_instance = nullptr;
}

uxSingleInstance::uxSingleInstance(const QString& name)
    : m_segment(std::make_unique<PlatformUserSharedMemory>(name))
{
    const bool created = m_segment->create(SegmentSize, QSharedMemory::ReadWrite);
    if (!created) {
        if (m_segment->error() != QSharedMemory::AlreadyExists) {
            m_runningAllowed = false;
            return;
        }
        m_segment->attach(QSharedMemory::ReadOnly);
    }

    m_lock = new PlatformInstanceLock(name);
    if (!m_lock->tryAcquire()) {
        delete m_lock;
        m_lock = nullptr;
        raiseRunningCopy();
        m_runningAllowed = false;
        return;
    }
    if (!created)
        takeOverSegment();
}

uxSingleInstance::~uxSingleInstance()
{
    delete m_lock;
}

void uxSingleInstance::setMainWindow(QWidget* w)
{
    if (!w || !m_runningAllowed || !m_segment->isAttached() || !m_segment->lock())
        return;
    m_mainWindow = w;
    const quint32 id = quint32(w->window()->winId());
    std::memcpy(m_segment->data(), &id, sizeof id);
    m_segment->unlock();
}

void uxSingleInstance::raiseRunningCopy()
{
    quint32 id = 0;
    if (m_segment->isAttached() && m_segment->lock()) {
        std::memcpy(&id, m_segment->constData(), sizeof id);
        m_segment->unlock();
    }
    if (PlatformWindow::isWindow(id))
        PlatformWindow::raise(id);
}

// This copy holds the lock, but the segment is a leftover of a copy that was
// killed, attached read-only. Start on a fresh one; when another process is still
// attached to the old one, use that read-write and forget the dead copy's window.
void uxSingleInstance::takeOverSegment()
{
    m_segment->detach();
    if (!m_segment->create(SegmentSize, QSharedMemory::ReadWrite) &&
        !m_segment->attach(QSharedMemory::ReadWrite))
        return;
    if (m_segment->lock()) {
        std::memset(m_segment->data(), 0, size_t(m_segment->size()));
        m_segment->unlock();
    }
}
