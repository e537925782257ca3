#include "ui/widgets/WidgetAccessibility.h"

#include "ui/widgets/ComboBox.h"
#include "ui/widgets/TabControl.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <QTabBar>

#include <map>

namespace tenvik {
namespace {

class ComboBoxAccessible : public QAccessibleWidget {
public:
    explicit ComboBoxAccessible(ComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox)
    {
        addControllingSignal(QStringLiteral("currentIndexChanged(int)"));
    }

    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name:
            if (!box().accessibleName().isEmpty())
                return box().accessibleName();
            return box().currentText();
        case QAccessible::Value:
            return box().currentText();
        default:
            return QAccessibleWidget::text(t);
        }
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.hasPopup = true;
        const QAbstractItemView* view = list();
        s.expanded = view != nullptr && view->isVisible();
        s.collapsed = !s.expanded;
        return s;
    }

    // The drop-down list once it has been made (it is made when it first drops down).
    int childCount() const override { return list() != nullptr ? 1 : 0; }
    QAccessibleInterface* child(int index) const override
    {
        QAbstractItemView* view = list();
        return index == 0 && view != nullptr ? QAccessible::queryAccessibleInterface(view) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        const QAbstractItemView* view = list();
        return child != nullptr && view != nullptr && child->object() == view ? 0 : -1;
    }

    QStringList actionNames() const override
    {
        return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& name) override
    {
        if (name == showMenuAction() || name == pressAction())
            box().showPopup();
        else
            QAccessibleWidget::doAction(name);
    }

private:
    ComboBox& box() const { return *static_cast<ComboBox*>(widget()); }
    QAbstractItemView* list() const { return box().findChild<QAbstractItemView*>(); }
};

QString WithoutMnemonic(QString text)
{
    return text.remove(u'&');
}

class TabAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    TabAccessible(QTabBar* bar, int index) : m_bar(bar), m_index(index) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }

    bool isValid() const override { return m_bar != nullptr && m_index < m_bar->count(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_bar != nullptr ? m_bar->window()->windowHandle() : nullptr; }
    QAccessible::Role role() const override { return QAccessible::PageTab; }

    QAccessible::State state() const override
    {
        if (!isValid()) {
            QAccessible::State gone;
            gone.invalid = true;
            return gone;
        }
        QAccessible::State s = parent()->state();
        const bool current = m_index == m_bar->currentIndex();
        s.selectable = true;
        s.selected = current;
        s.focused = current;
        s.invisible = !m_bar->isVisible() || !m_bar->isTabVisible(m_index);
        return s;
    }

    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect tab = m_bar->tabRect(m_index);
        return QRect(m_bar->mapToGlobal(tab.topLeft()), tab.size());
    }

    QString text(QAccessible::Text t) const override
    {
        if (!isValid())
            return {};
        switch (t) {
        case QAccessible::Name:
            return WithoutMnemonic(m_bar->tabText(m_index));
        case QAccessible::Description:
            return m_bar->tabToolTip(m_index);
        default:
            return {};
        }
    }
    void setText(QAccessible::Text, const QString&) override {}

    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_bar.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override
    {
        if (name == pressAction() && isValid())
            m_bar->setCurrentIndex(m_index);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    int index() const { return m_index; }

private:
    QPointer<QTabBar> m_bar;
    int m_index;
};

class TabBarAccessible : public QAccessibleWidget {
public:
    explicit TabBarAccessible(QTabBar* bar) : QAccessibleWidget(bar, QAccessible::PageTabList) {}
    ~TabBarAccessible() override
    {
        for (const auto& [index, id] : m_tabs)
            QAccessible::deleteAccessibleInterface(id);
    }
    TabBarAccessible(const TabBarAccessible&) = delete;
    TabBarAccessible& operator=(const TabBarAccessible&) = delete;

    int childCount() const override { return bar().count(); }

    // One interface per tab for the bar's life, so the screen reader's handle to a tab
    // stays valid.
    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= bar().count())
            return nullptr;
        if (const auto it = m_tabs.find(index); it != m_tabs.end())
            return QAccessible::accessibleInterface(it->second);
        auto* tab = new TabAccessible(&bar(), index);
        m_tabs[index] = QAccessible::registerAccessibleInterface(tab);
        return tab;
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        const auto* tab = dynamic_cast<const TabAccessible*>(child);
        return tab != nullptr && tab->index() < bar().count() ? tab->index() : -1;
    }

    QAccessibleInterface* childAt(int x, int y) const override
    {
        const QPoint at = bar().mapFromGlobal(QPoint(x, y));
        const int index = bar().tabAt(at);
        return index >= 0 ? child(index) : nullptr;
    }

    QAccessibleInterface* focusChild() const override { return child(bar().currentIndex()); }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && bar().currentIndex() >= 0)
            return WithoutMnemonic(bar().tabText(bar().currentIndex()));
        return QAccessibleWidget::text(t);
    }

private:
    QTabBar& bar() const { return *static_cast<QTabBar*>(widget()); }

    mutable std::map<int, QAccessible::Id> m_tabs;
};

} // namespace

QAccessibleInterface* WidgetAccessibleInterface(QObject* object)
{
    if (auto* box = qobject_cast<ComboBox*>(object))
        return new ComboBoxAccessible(box);
    if (auto* bar = qobject_cast<QTabBar*>(object); bar != nullptr && qobject_cast<TabControl*>(bar->parent()))
        return new TabBarAccessible(bar);
    return nullptr;
}

} // namespace tenvik
