#include "app/StatusHints.h"

#include <QEvent>
#include <QLabel>
#include <QWidget>

StatusHints::StatusHints(QLabel* panel, QObject* parent) : QObject(parent), m_panel(panel) {}

void StatusHints::add(QWidget* control, HintText hint)
{
    control->setMouseTracking(true);
    // A label ignores the move, which would pass it on to the bare window
    // underneath and replace the label's hint at once.
    control->setAttribute(Qt::WA_NoMousePropagation);
    control->installEventFilter(this);
    m_hints.insert(control, std::move(hint));
}

void StatusHints::add(QWidget* control, const QString& hint)
{
    add(control, HintText([hint] { return hint; }));
}

bool StatusHints::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter) {
        const auto it = m_hints.constFind(watched);
        if (it != m_hints.constEnd())
            m_panel->setText((*it)());
    }
    return QObject::eventFilter(watched, event);
}
