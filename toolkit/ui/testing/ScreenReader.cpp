// SPDX-License-Identifier: GPL-3.0-or-later
// The screen-reader double: Qt sends updates only while the platform says a reader is listening.
#include "toolkit/ui/testing/ScreenReader.h"

#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

namespace tk::ui::testing {

namespace {

ScreenReader* listening = nullptr;

QPlatformAccessibility* platformAccessibility() {
    QPlatformIntegration* integration = QGuiApplicationPrivate::platformIntegration();
    return integration ? integration->accessibility() : nullptr;
}

void setPlatformActive(bool active) {
    if (QPlatformAccessibility* platform = platformAccessibility()) platform->setActive(active);
}

} // namespace

ScreenReader::ScreenReader() {
    wasActive_ = QAccessible::isActive();
    listening = this;
    previous_ = QAccessible::installUpdateHandler(&ScreenReader::record);
    setPlatformActive(true);
}

ScreenReader::~ScreenReader() {
    setPlatformActive(wasActive_);
    QAccessible::installUpdateHandler(previous_);
    listening = nullptr;
}

// Reads only what the event carries.
void ScreenReader::record(QAccessibleEvent* event) {
    if (!listening) return;
    QString text;
    if (event->type() == QAccessible::TextUpdated)
        text = static_cast<QAccessibleTextUpdateEvent*>(event)->textInserted();
    listening->events.push_back({event->type(), event->object(), text});
}

} // namespace tk::ui::testing
