#include "players/getname.h"

#include "app/Prompter.h"
#include "app/Twips.h"
#include "players/NameValidator.h"
#include "app/WindowLook.h"
#include "players/ScoreFile.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QShowEvent>

getname::getname(ScoreFile& file, Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_file(file), m_prompter(prompter)
{
    setWindowTitle(QStringLiteral("Select Player"));
    setFont(windowlook::sansFont(8.25, true));
    setFixedSize(twipsSize(2910, 3315));
    buildControls();
    connect(m_command1, &QPushButton::clicked, this, &getname::acceptClicked);
    connect(m_command2, &QPushButton::clicked, this, &getname::reject);
}

void getname::buildControls()
{
    m_label1 = new QLabel(QStringLiteral("Enter your name or select from the list below. "), this);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label1->setGeometry(twipsRect(240, 270, 2535, 525));
    m_label1->setWordWrap(true);
    m_label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    m_combo1 = new QComboBox(this);
    m_combo1->setObjectName(QStringLiteral("Combo1"));
    m_combo1->setGeometry(twipsRect(330, 840, 2340, 315));
    m_combo1->setEditable(true);
    // Typed names go to the file on Accept, not into the list.
    m_combo1->setInsertPolicy(QComboBox::NoInsert);
    // A name is taken exactly as typed: the default completer would fill in
    // a known name that starts alike or differs only in case, and Enter
    // would then start the round for that player instead.
    m_combo1->setCompleter(nullptr);
    m_combo1->lineEdit()->setMaxLength(int(kPlayerNameSize));
    m_combo1->setValidator(new NameValidator(m_combo1));
    if (auto* view = qobject_cast<QListView*>(m_combo1->view()))
        view->setUniformItemSizes(true); // stays quick with very many players

    m_command1 = new QPushButton(QStringLiteral("Accept"), this);
    m_command1->setObjectName(QStringLiteral("Command1"));
    m_command1->setGeometry(twipsRect(390, 2100, 990, 315));
    m_command1->setDefault(true);

    m_command2 = new QPushButton(QStringLiteral("Cancel"), this);
    m_command2->setObjectName(QStringLiteral("Command2"));
    m_command2->setGeometry(twipsRect(1500, 2100, 1005, 315));
}

void getname::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Restoring from the task bar is not a new opening of the dialog.
    if (!event->spontaneous())
        load();
}

// Every opening lists the players as the file has them at that moment.
void getname::load()
{
    m_accepted = false;
    windowlook::centreOnScreen(this);
    m_combo1->clear();
    m_combo1->setEditText(QString());
    const auto names = m_file.listNames();
    if (!names.ok()) {
        m_prompter.message(this, QString::fromStdString(names.error), windowTitle(),
                           Prompter::Icon::Warning);
        return;
    }
    QStringList items;
    items.reserve(qsizetype(names.value->size()));
    for (const auto& name : *names.value)
        items.append(QString::fromStdString(name));
    m_combo1->addItems(items);
    m_combo1->setEditText(QString());
}

void getname::acceptClicked()
{
    const QString name = m_combo1->currentText();
    if (name.isEmpty()) {
        m_prompter.message(this, QStringLiteral("You must enter or select a player"),
                           QStringLiteral("Enter Name"));
        return;
    }
    const auto rec = m_file.findOrAdd(name.toStdString());
    if (!rec.ok()) {
        // The dialog stays open so the player can try again or pick
        // another name; the file is as it was.
        m_prompter.message(this, QString::fromStdString(rec.error), windowTitle(),
                           Prompter::Icon::Warning);
        return;
    }
    m_accepted = true;
    close();
    emit playerAccepted(name, *rec.value);
}

// Cancel, Escape and the window frame's close button all end up here.
void getname::reject()
{
    const bool cancelling = !m_accepted && isVisible();
    QDialog::reject();
    if (cancelling)
        emit cancelled();
}
