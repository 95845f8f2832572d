#pragma once

#include <QStringList>
#include <future>

// Which video output libVLC draws with. Into an embedded window libVLC picks
// OpenGL; on a software OpenGL driver that costs as much processor time as
// decoding, while its plain X11 output costs a fraction of it. So the player
// asks for the X11 output there and keeps libVLC's choice on a real driver.
// An output the user names in KESTREL_VLC_OPTIONS is never overridden.
class VlcVideoOutput
{
public:
    enum Choice
    {
        LibVlcDefault,
        X11
    };
    // Decides at once when the X server alone tells; otherwise asks the
    // OpenGL driver on a thread of its own, since loading it takes a while.
    explicit VlcVideoOutput(const QStringList& userOptions);
    VlcVideoOutput(const VlcVideoOutput&) = delete;
    VlcVideoOutput& operator=(const VlcVideoOutput&) = delete;

    // libVLC's default until the driver has answered; logs the decision once.
    Choice choice();
    static QStringList options(Choice choice);
    // True when the options choose an output (or the OpenGL provider) themselves.
    static bool namesOutput(const QStringList& options);

private:
    void decide(Choice choice, const QString& reason);

    Choice m_choice = LibVlcDefault;
    bool m_decided = false;
    std::future<QString> m_renderer;
};
