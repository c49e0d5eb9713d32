#include "KBN_DamageWatch.h"

#include <QSocketNotifier>

#include <algorithm>
#include <ctime>

#include <xcb/damage.h>
#include <xcb/xcb.h>

namespace {
qint64 monotonicNs()
{
    timespec oNow;
    clock_gettime(CLOCK_MONOTONIC, &oNow);
    return qint64(oNow.tv_sec) * 1000000000 + oNow.tv_nsec;
}
} // namespace

struct DamageWatchC::PrivateS
{
    xcb_connection_t* pConnection = nullptr;
    uint8_t uDamageEvent = 0;
};

DamageWatchC::DamageWatchC()
    : m_pPrivate(new PrivateS)
{
    xcb_connection_t* pConnection = xcb_connect(nullptr, nullptr);
    if (!pConnection || xcb_connection_has_error(pConnection))
        return;
    const xcb_query_extension_reply_t* pExtension = xcb_get_extension_data(pConnection, &xcb_damage_id);
    if (!pExtension || !pExtension->present) {
        xcb_disconnect(pConnection);
        return;
    }
    xcb_damage_query_version_reply_t* pVersion = xcb_damage_query_version_reply(
        pConnection, xcb_damage_query_version(pConnection, XCB_DAMAGE_MAJOR_VERSION, XCB_DAMAGE_MINOR_VERSION),
        nullptr);
    free(pVersion);
    m_pPrivate->pConnection = pConnection;
    m_pPrivate->uDamageEvent = pExtension->first_event + XCB_DAMAGE_NOTIFY;
    // New top-level windows are announced on the root window.
    xcb_screen_t* pScreen = xcb_setup_roots_iterator(xcb_get_setup(pConnection)).data;
    const uint32_t uMask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(pConnection, pScreen->root, XCB_CW_EVENT_MASK, &uMask);
    xcb_flush(pConnection);
    m_pNotifier = new QSocketNotifier(xcb_get_file_descriptor(pConnection), QSocketNotifier::Read, this);
    connect(m_pNotifier, &QSocketNotifier::activated, this, [this] { drain(); });
}

DamageWatchC::~DamageWatchC()
{
    if (m_pPrivate->pConnection)
        xcb_disconnect(m_pPrivate->pConnection);
    delete m_pPrivate;
}

bool DamageWatchC::isValid() const
{
    return m_pPrivate->pConnection != nullptr;
}

void DamageWatchC::drain()
{
    xcb_connection_t* pConnection = m_pPrivate->pConnection;
    if (!pConnection)
        return;
    while (xcb_generic_event_t* pEvent = xcb_poll_for_event(pConnection)) {
        const uint8_t uType = pEvent->response_type & 0x7f;
        if (uType == XCB_CREATE_NOTIFY) {
            const auto* pCreate = reinterpret_cast<xcb_create_notify_event_t*>(pEvent);
            const xcb_damage_damage_t uDamage = xcb_generate_id(pConnection);
            xcb_damage_create(pConnection, uDamage, pCreate->window, XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
            xcb_flush(pConnection);
        } else if (uType == m_pPrivate->uDamageEvent) {
            m_vecDamageNs.append(monotonicNs());
            const auto* pDamage = reinterpret_cast<xcb_damage_notify_event_t*>(pEvent);
            // Re-armed: the next change reports again.
            xcb_damage_subtract(pConnection, pDamage->damage, XCB_NONE, XCB_NONE);
            xcb_flush(pConnection);
        }
        free(pEvent);
    }
}

qint64 DamageWatchC::firstDamageSince(qint64 iSinceNs) const
{
    const auto it = std::lower_bound(m_vecDamageNs.cbegin(), m_vecDamageNs.cend(), iSinceNs);
    return it == m_vecDamageNs.cend() ? 0 : *it;
}
