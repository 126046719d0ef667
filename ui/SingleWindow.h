#pragma once
#include <QPointer>
#include <QWidget>
#include <utility>

// Opens a modeless window at most once: the first call creates it (it
// deletes itself when closed, which clears the slot), later calls only
// bring the open window forward in whatever state it is in.
template<class W, class... A>
W* showSingle(QPointer<W>& slot, A&&... args)
{
    if (!slot) {
        slot = new W(std::forward<A>(args)...);
        slot->setAttribute(Qt::WA_DeleteOnClose);
    }
    W* window = slot.data();
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}
