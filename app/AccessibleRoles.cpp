#include "app/AccessibleRoles.h"

#include "app/TileImage.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace {

// Qt gives a window made from a plain QWidget, and any custom-painted
// widget, the role of a client area, which a screen reader presents as an
// unnamed filler. Windows made from QDialog or QMainWindow, and the stock
// controls, already have interfaces of their own and are left to Qt.
QAccessibleInterface* gameRole(const QString& className, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    // The factory is asked once for each class up the widget's ancestry;
    // answering only for its own class keeps the answer in one place.
    if (!widget || className != QLatin1String(object->metaObject()->className()))
        return nullptr;
    if (qobject_cast<TileImage*>(widget))
        return new QAccessibleWidget(widget, QAccessible::Graphic);
    if (widget->isWindow() && object->metaObject()->superClass() == &QWidget::staticMetaObject)
        return new QAccessibleWidget(widget, QAccessible::Window);
    return nullptr;
}

} // namespace

void installAccessibleRoles() { QAccessible::installFactory(gameRole); }
