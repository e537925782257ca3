#pragma once

class QAccessibleInterface;
class QObject;

// What the generic widgets tell screen readers where Qt's own interfaces fall short:
// - a ComboBox is named by its accessible name ("Assignment"), its selected item being
//   its value (Qt names a combo box on Linux by its value);
// - the tabs of a TabControl say which one is selected (Qt marks it focused only).
namespace tenvik {

// The interface for one of those widgets; nothing for any other object, which keeps Qt's
// own. For an accessibility factory (QAccessible::installFactory).
QAccessibleInterface* WidgetAccessibleInterface(QObject* object);

} // namespace tenvik
