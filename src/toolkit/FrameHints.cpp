#include "toolkit/FrameHints.h"

#include <QGuiApplication>
#include <QWidget>

#if defined(COURSE_WITH_XCB)
#include <cstdint>
#include <cstdlib>
#include <xcb/xcb.h>
#endif

namespace tk {

#if defined(COURSE_WITH_XCB)
namespace {

// The Motif window-manager hints, which window managers read as the functions
// and decorations a client allows.
struct MotifHints {
    std::uint32_t flags;
    std::uint32_t functions;
    std::uint32_t decorations;
    std::int32_t inputMode;
    std::uint32_t status;
};
constexpr std::uint32_t HintsFunctions = 1u << 0;
constexpr std::uint32_t HintsDecorations = 1u << 1;
constexpr std::uint32_t FunctionMove = 1u << 2;
constexpr std::uint32_t FunctionClose = 1u << 5;
constexpr std::uint32_t DecorBorder = 1u << 1;
constexpr std::uint32_t DecorTitle = 1u << 3;

} // namespace
#endif

void restrictFrame(QWidget &window) {
#if defined(COURSE_WITH_XCB)
    if (QGuiApplication::platformName() != QLatin1String("xcb") || !window.isWindow() ||
        !window.testAttribute(Qt::WA_WState_Created))
        return;
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return;
    // Asked of the X server once (a round trip), for the one connection.
    static const xcb_atom_t atom = [connection] {
        static const char name[] = "_MOTIF_WM_HINTS";
        xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 0, sizeof name - 1, name), nullptr);
        const xcb_atom_t found = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
        std::free(reply);
        return found;
    }();
    if (atom == XCB_ATOM_NONE)
        return;
    const MotifHints hints{HintsFunctions | HintsDecorations, FunctionMove | FunctionClose,
                           DecorBorder | DecorTitle, 0, 0};
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, xcb_window_t(window.winId()), atom, atom,
                        32, sizeof hints / 4, &hints);
    xcb_flush(connection);
#else
    Q_UNUSED(window);
#endif
}

} // namespace tk
