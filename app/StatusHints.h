#pragma once
#include <QHash>
#include <QObject>
#include <functional>

class QLabel;
class QWidget;

// Moving the pointer over a control writes its hint into the status panel;
// the hint stays until another control's hint replaces it.
class StatusHints : public QObject {
    Q_OBJECT
public:
    using HintText = std::function<QString()>;

    StatusHints(QLabel* panel, QObject* parent = nullptr);

    void add(QWidget* control, HintText hint);
    void add(QWidget* control, const QString& hint);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* m_panel = nullptr;
    QHash<QObject*, HintText> m_hints;
};
