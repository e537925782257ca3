#include "ClippedTexts.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionTab>
#include <QTabBar>

#include <algorithm>

namespace tenvik::test {
namespace {

constexpr int IconTextGap = 4; // what Qt's styles leave between an icon and its text

bool LabelClips(const QLabel& label)
{
    const QString text = label.text();
    if (text.isEmpty() || label.textFormat() == Qt::RichText)
        return false;
    const QRect room = label.contentsRect().adjusted(label.margin(), label.margin(), -label.margin(), -label.margin());
    // A wrapped text may still hold a word wider than the label, or more lines than fit.
    const int flags = label.alignment().toInt() | (label.wordWrap() ? Qt::TextWordWrap : 0);
    const QRect needed = label.fontMetrics().boundingRect(QRect(0, 0, room.width(), 1 << 20), flags, text);
    return needed.width() > room.width() || needed.height() > room.height();
}

bool ButtonClips(const QPushButton& button)
{
    if (button.text().isEmpty())
        return false;
    QStyleOptionButton option;
    option.initFrom(&button);
    option.features = button.isFlat() ? QStyleOptionButton::Flat : QStyleOptionButton::None;
    option.text = button.text();
    const QRect room = button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button);
    int needed = button.fontMetrics().horizontalAdvance(button.text());
    if (!button.icon().isNull())
        needed += button.iconSize().width() + IconTextGap;
    return needed > room.width();
}

bool PromptClips(const QLineEdit& edit)
{
    const QString prompt = edit.placeholderText();
    if (prompt.isEmpty())
        return false;
    // The field's frame and Qt's fixed two-pixel margin on either side of its text.
    const int frame = edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &edit);
    const QMargins margins = edit.textMargins();
    const int room = edit.width() - 2 * frame - 4 - margins.left() - margins.right();
    return edit.fontMetrics().horizontalAdvance(prompt) > room;
}

std::vector<QString> ClippedItems(const QComboBox& box)
{
    QStyleOptionComboBox option;
    option.initFrom(&box);
    option.editable = box.isEditable();
    const QRect field = box.style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &box);
    std::vector<QString> clipped;
    for (int i = 0; i < box.count(); ++i) {
        int needed = box.fontMetrics().horizontalAdvance(box.itemText(i));
        if (!box.itemIcon(i).isNull())
            needed += box.iconSize().width() + IconTextGap;
        if (needed > field.width())
            clipped.push_back(box.objectName() + QStringLiteral(": ") + box.itemText(i));
    }
    return clipped;
}

std::vector<QString> ClippedTabs(const QTabBar& bar)
{
    std::vector<QString> clipped;
    for (int i = 0; i < bar.count(); ++i) {
        QStyleOptionTab option;
        option.initFrom(&bar);
        const int padding = bar.style()->pixelMetric(QStyle::PM_TabBarTabHSpace, &option, &bar);
        if (bar.fontMetrics().horizontalAdvance(bar.tabText(i)) + padding > bar.tabRect(i).width())
            clipped.push_back(bar.parentWidget()->objectName() + QStringLiteral(" tab: ") + bar.tabText(i));
    }
    return clipped;
}

} // namespace

std::vector<QString> ClippedTexts(const QWidget& root)
{
    std::vector<QString> clipped;
    const auto report = [&clipped](const QWidget& widget, const QString& text) {
        clipped.push_back(widget.objectName() + QStringLiteral(": ") + text);
    };
    QList<const QWidget*> widgets{&root};
    for (const QWidget* child : root.findChildren<const QWidget*>())
        widgets.append(child);
    for (const QWidget* widget : widgets) {
        // A page that is not shown has not been laid out; a picker hidden on a shown page has.
        const QWidget* parent = widget->parentWidget();
        if (widget->size().isEmpty() || (widget != &root && parent != nullptr && !parent->isVisibleTo(&root)))
            continue;
        if (const auto* label = qobject_cast<const QLabel*>(widget); label && LabelClips(*label))
            report(*label, label->text());
        else if (const auto* button = qobject_cast<const QPushButton*>(widget); button && ButtonClips(*button))
            report(*button, button->text());
        else if (const auto* edit = qobject_cast<const QLineEdit*>(widget); edit && PromptClips(*edit))
            report(*edit, edit->placeholderText());
        else if (const auto* box = qobject_cast<const QComboBox*>(widget)) {
            const std::vector<QString> items = ClippedItems(*box);
            clipped.insert(clipped.end(), items.begin(), items.end());
        } else if (const auto* bar = qobject_cast<const QTabBar*>(widget)) {
            const std::vector<QString> tabs = ClippedTabs(*bar);
            clipped.insert(clipped.end(), tabs.begin(), tabs.end());
        }
    }
    return clipped;
}

} // namespace tenvik::test
