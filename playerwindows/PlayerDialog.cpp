#include "playerwindows/PlayerDialog.h"

#include "players/ScoreFile.h"
#include "playerwindows/NameValidator.h"
#include "ui/Prompter.h"
#include "ui/Twips.h"
#include "ui/WindowLook.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QShowEvent>

PlayerDialog::PlayerDialog(ScoreFile& file, Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_file(file), m_prompter(prompter)
{
    setObjectName(QStringLiteral("getname"));
    setWindowTitle(QStringLiteral("Select Player"));
    setFont(windowlook::sansFont(8.25, true));
    setFixedSize(twipsSize(2910, 3315));
    buildControls();
    connect(m_acceptButton, &QPushButton::clicked, this, &PlayerDialog::acceptClicked);
    connect(m_cancelButton, &QPushButton::clicked, this, &PlayerDialog::reject);
}

void PlayerDialog::buildControls()
{
    m_prompt = windowlook::namedLabel(
        this, "Label1", QStringLiteral("Enter your name or select from the list below. "),
        twipsRect(240, 270, 2535, 525));
    m_prompt->setWordWrap(true);
    m_prompt->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    m_nameField = new QComboBox(this);
    m_nameField->setObjectName(QStringLiteral("Combo1"));
    m_nameField->setGeometry(twipsRect(330, 840, 2340, 315));
    m_nameField->setEditable(true);
    // Typed names go to the file on Accept, not into the list.
    m_nameField->setInsertPolicy(QComboBox::NoInsert);
    // A name is taken exactly as typed: the default completer would fill in
    // a known name that starts alike or differs only in case, and Enter
    // would then start the round for that player instead.
    m_nameField->setCompleter(nullptr);
    m_nameField->lineEdit()->setMaxLength(int(kPlayerNameSize));
    m_nameField->setValidator(new NameValidator(m_nameField));
    if (auto* view = qobject_cast<QListView*>(m_nameField->view()))
        view->setUniformItemSizes(true); // stays quick with very many players

    m_acceptButton = windowlook::namedButton(this, "Command1", QStringLiteral("Accept"),
                                             twipsRect(390, 2100, 990, 315));
    m_acceptButton->setDefault(true);

    m_cancelButton = windowlook::namedButton(this, "Command2", QStringLiteral("Cancel"),
                                             twipsRect(1500, 2100, 1005, 315));
}

void PlayerDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Restoring from the task bar is not a new opening of the dialog.
    if (!event->spontaneous())
        load();
}

// Every opening lists the players as the file has them at that moment.
void PlayerDialog::load()
{
    m_accepted = false;
    windowlook::centreOnScreen(this);
    m_nameField->clear();
    m_nameField->setEditText(QString());
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
    m_nameField->addItems(items);
    m_nameField->setEditText(QString());
}

void PlayerDialog::acceptClicked()
{
    const QString name = m_nameField->currentText();
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
void PlayerDialog::reject()
{
    const bool cancelling = !m_accepted && isVisible();
    QDialog::reject();
    if (cancelling)
        emit cancelled();
}
