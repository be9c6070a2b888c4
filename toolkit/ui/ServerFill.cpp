// SPDX-License-Identifier: GPL-3.0-or-later
// The window's background pixel, set through Qt's own X connection.
#include "toolkit/ui/ServerFill.h"

#include <QGuiApplication>
#include <QWidget>
#include <bit>
#include <cstdlib>
#include <memory>
#include <optional>
#include <xcb/xcb.h>

namespace tk::ui {

namespace {

template <typename Reply> using Owned = std::unique_ptr<Reply, decltype(&std::free)>;

const xcb_visualtype_t* findVisual(xcb_connection_t* connection, xcb_visualid_t id) {
    for (auto screens = xcb_setup_roots_iterator(xcb_get_setup(connection)); screens.rem;
         xcb_screen_next(&screens))
        for (auto depths = xcb_screen_allowed_depths_iterator(screens.data); depths.rem;
             xcb_depth_next(&depths))
            for (auto visuals = xcb_depth_visuals_iterator(depths.data); visuals.rem;
                 xcb_visualtype_next(&visuals))
                if (visuals.data->visual_id == id) return visuals.data;
    return nullptr;
}

// One 8-bit component in the bits of `mask`, as Qt converts it when it draws: the top bits kept on a
// narrower channel, the bits repeated on a wider one.
std::uint32_t component(int value, std::uint32_t mask) {
    const int width = std::popcount(mask), shift = std::countr_zero(mask);
    const auto v = static_cast<std::uint32_t>(value);
    const std::uint32_t bits = width <= 8 ? v >> (8 - width) : (v << (width - 8)) | (v >> (16 - width));
    return (bits << shift) & mask;
}

// The pixel of `colour` in the window's visual: computed for true colour, asked of the colormap otherwise.
std::optional<std::uint32_t> pixelOf(xcb_connection_t* connection,
                                     const xcb_get_window_attributes_reply_t& attributes, QColor colour) {
    const QColor rgb = colour.toRgb();
    const xcb_visualtype_t* visual = findVisual(connection, attributes.visual);
    if (visual != nullptr && visual->_class == XCB_VISUAL_CLASS_TRUE_COLOR)
        return component(rgb.red(), visual->red_mask) | component(rgb.green(), visual->green_mask) |
               component(rgb.blue(), visual->blue_mask);
    if (attributes.colormap == XCB_NONE) return std::nullopt;
    constexpr int kTo16Bits = 257;
    const Owned<xcb_alloc_color_reply_t> allocated(
        xcb_alloc_color_reply(connection,
                              xcb_alloc_color(connection, attributes.colormap,
                                              static_cast<std::uint16_t>(rgb.red() * kTo16Bits),
                                              static_cast<std::uint16_t>(rgb.green() * kTo16Bits),
                                              static_cast<std::uint16_t>(rgb.blue() * kTo16Bits)),
                              nullptr),
        &std::free);
    if (!allocated) return std::nullopt;
    return allocated->pixel;
}

} // namespace

bool fillByDisplayServer(QWidget& window, QColor colour) {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (connection == nullptr || !window.isWindow()) return false;
    const auto id = static_cast<xcb_window_t>(window.winId());
    const Owned<xcb_get_window_attributes_reply_t> attributes(
        xcb_get_window_attributes_reply(connection, xcb_get_window_attributes(connection, id), nullptr),
        &std::free);
    if (!attributes) return false;
    const std::optional<std::uint32_t> pixel = pixelOf(connection, *attributes, colour);
    if (!pixel) return false;
    xcb_change_window_attributes(connection, id, XCB_CW_BACK_PIXEL, &*pixel);
    return true;
}

} // namespace tk::ui
