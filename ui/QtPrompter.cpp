#include "ui/QtPrompter.h"

#include <QInputDialog>
#include <QMessageBox>

namespace {

QMessageBox::Icon toQt(Prompter::Icon icon)
{
    switch (icon) {
    case Prompter::Icon::Information: return QMessageBox::Information;
    case Prompter::Icon::Warning: return QMessageBox::Warning;
    case Prompter::Icon::Critical: return QMessageBox::Critical;
    case Prompter::Icon::Question: return QMessageBox::Question;
    case Prompter::Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

QString titleOrApp(const QString& title) { return title.isEmpty() ? kAppTitle : title; }

} // namespace

void QtPrompter::message(QWidget* parent, const QString& text, const QString& title, Icon icon)
{
    QMessageBox box(toQt(icon), titleOrApp(title), text, QMessageBox::Ok, parent);
    box.exec();
}

Prompter::Answer QtPrompter::ask(QWidget* parent, const QString& text, const QString& title,
                                 Icon icon, bool defaultYes)
{
    QMessageBox box(toQt(icon), titleOrApp(title), text, QMessageBox::Yes | QMessageBox::No,
                    parent);
    box.setDefaultButton(defaultYes ? QMessageBox::Yes : QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

std::optional<QString> QtPrompter::input(QWidget* parent, const QString& prompt,
                                         const QString& title, const QString& initial)
{
    bool ok = false;
    const QString text =
        QInputDialog::getText(parent, titleOrApp(title), prompt, QLineEdit::Normal, initial, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}
