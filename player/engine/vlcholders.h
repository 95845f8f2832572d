#pragma once

#include <vlc/vlc.h>

#include <utility>

// Owns one libVLC object and releases it with the library's own call.
template <typename T, void (*Release)(T*)> class VlcHolder
{
public:
    VlcHolder() = default;
    explicit VlcHolder(T* object) : m_object(object) {}
    ~VlcHolder() { reset(); }
    VlcHolder(const VlcHolder&) = delete;
    VlcHolder& operator=(const VlcHolder&) = delete;
    VlcHolder(VlcHolder&& other) noexcept : m_object(std::exchange(other.m_object, nullptr)) {}
    VlcHolder& operator=(VlcHolder&& other) noexcept
    {
        reset(std::exchange(other.m_object, nullptr));
        return *this;
    }

    T* get() const { return m_object; }
    // Gives up ownership without releasing the object.
    T* take() { return std::exchange(m_object, nullptr); }
    explicit operator bool() const { return m_object != nullptr; }
    void reset(T* object = nullptr)
    {
        T* old = std::exchange(m_object, object);
        if (old)
            Release(old);
    }

private:
    T* m_object = nullptr;
};

// Owns an array of descriptions that libVLC hands out together with its count.
template <typename T, void (*Release)(T**, unsigned)> class VlcArrayHolder
{
public:
    VlcArrayHolder() = default;
    ~VlcArrayHolder()
    {
        if (m_items)
            Release(m_items, static_cast<unsigned>(m_count));
    }
    VlcArrayHolder(const VlcArrayHolder&) = delete;
    VlcArrayHolder& operator=(const VlcArrayHolder&) = delete;

    // Takes the result of a libVLC getter that fills an array and returns its count or -1.
    void take(T** items, int count)
    {
        m_items = items;
        m_count = count > 0 ? count : 0;
    }
    int count() const { return m_items ? m_count : 0; }
    const T* at(int i) const { return m_items[i]; }

private:
    T** m_items = nullptr;
    int m_count = 0;
};

using VlcInstanceHolder = VlcHolder<libvlc_instance_t, libvlc_release>;
using VlcPlayerHolder = VlcHolder<libvlc_media_player_t, libvlc_media_player_release>;
using VlcMediaHolder = VlcHolder<libvlc_media_t, libvlc_media_release>;
using VlcTrackListHolder =
    VlcHolder<libvlc_track_description_t, libvlc_track_description_list_release>;
using VlcDeviceListHolder =
    VlcHolder<libvlc_audio_output_device_t, libvlc_audio_output_device_list_release>;
using VlcTitleArrayHolder =
    VlcArrayHolder<libvlc_title_description_t, libvlc_title_descriptions_release>;
using VlcChapterArrayHolder =
    VlcArrayHolder<libvlc_chapter_description_t, libvlc_chapter_descriptions_release>;
