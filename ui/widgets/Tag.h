#pragma once

#include <QObject>

// A widget's integer tag carries meaning (cell index, colour role, background kind);
// every other widget has tag 0.
namespace tenvik {

inline constexpr const char* TagPropertyName = "tag";

inline int TagOf(const QObject& object)
{
    return object.property(TagPropertyName).toInt();
}
inline void SetTag(QObject& object, int tag)
{
    object.setProperty(TagPropertyName, tag);
}

} // namespace tenvik
