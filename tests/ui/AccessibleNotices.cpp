// A screen-reader bridge of the tests' own, compiled in as a static plugin. Qt hands it
// every accessibility notification, as it hands them to the desktop's bridge; Qt's update
// handler would see them only while a real screen reader has switched accessibility on,
// which no public call can do offscreen.
#define QT_STATICPLUGIN

#include "AccessibleNotices.h"

#include <QAccessibleBridge>
#include <QAccessibleBridgePlugin>
#include <QtPlugin>

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
    QAccessibleBridge* create(const QString&) override { return new RecordingBridge; }
};

} // namespace tenvik::test

Q_IMPORT_PLUGIN(RecordingBridgePlugin)

#include "AccessibleNotices.moc"
