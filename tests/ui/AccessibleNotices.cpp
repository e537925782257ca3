// A screen-reader bridge of the tests' own, compiled in as a static plugin. Qt hands it
// every accessibility notification, as it hands them to the desktop's bridge; Qt's update
// handler would see them only while a real screen reader has switched accessibility on,
// which no public call can do offscreen.
#define QT_STATICPLUGIN

#include "AccessibleNotices.h"

#include <QAccessibleBridge>
#include <QAccessibleBridgePlugin>
#include <QtPlugin>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TENVIK_WITH_ASAN
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define TENVIK_WITH_ASAN
#endif
#ifdef TENVIK_WITH_ASAN
#include <sanitizer/lsan_interface.h>
#define TENVIK_KEEPS_FOR_PROCESS(object) __lsan_ignore_object(object)
#else
#define TENVIK_KEEPS_FOR_PROCESS(object) static_cast<void>(object)
#endif

namespace tenvik::test {

std::vector<AccessibleNotice>& AccessibleNotices()
{
    static std::vector<AccessibleNotice> notices;
    return notices;
}

namespace {

class RecordingBridge : public QAccessibleBridge {
public:
    void setRootObject(QAccessibleInterface*) override {}
    void notifyAccessibilityUpdate(QAccessibleEvent* event) override
    {
        AccessibleNotices().push_back({event->type(), event->object()});
    }
};

} // namespace

class RecordingBridgePlugin : public QAccessibleBridgePlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QAccessibleBridgeFactoryInterface_iid FILE "RecordingBridge.json")
public:
    QAccessibleBridge* create(const QString&) override
    {
        // Qt keeps a bridge for the life of the process and deletes it only when the
        // platform's accessibility is torn down, which the offscreen platform never does.
        auto* bridge = new RecordingBridge;
        TENVIK_KEEPS_FOR_PROCESS(bridge);
        return bridge;
    }
};

} // namespace tenvik::test

Q_IMPORT_PLUGIN(RecordingBridgePlugin)

#include "AccessibleNotices.moc"
