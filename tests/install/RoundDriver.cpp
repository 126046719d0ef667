#include "tests/install/RoundDriver.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QInputDialog>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <cstdio>

namespace {

constexpr int kTickMs = 20;
constexpr int kGiveUpTicks = 60'000 / kTickMs;

void say(const QString& line) { std::fprintf(stderr, "driver: %s\n", qPrintable(line)); }

// Clicks later, from the event loop, so that the modal boxes the click
// opens run their own loops while this driver keeps ticking.
void clickSoon(QPushButton* button)
{
    QMetaObject::invokeMethod(button, &QPushButton::click, Qt::QueuedConnection);
}

} // namespace

RoundDriver::RoundDriver(QObject* parent) : QObject(parent)
{
    connect(&m_timer, &QTimer::timeout, this, &RoundDriver::tick);
    m_timer.start(kTickMs);
}

QPushButton* RoundDriver::mainButton(const char* name) const
{
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<QMainWindow*>(top); window && window->isVisible())
            return window->findChild<QPushButton*>(QString::fromLatin1(name));
    return nullptr;
}

// The player's first puzzle is the file's first record: seven words of 11
// blank-padded bytes. It is read from the working folder, as the game does.
QStringList RoundDriver::loadChain() const
{
    QFile file(QStringLiteral("zorvwin.dat"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray record = file.read(77);
    QStringList words;
    for (int i = 0; i + 11 <= record.size(); i += 11)
        words << QString::fromLatin1(record.mid(i, 11)).trimmed().toUpper();
    return words;
}

void RoundDriver::fail(const QString& why)
{
    say(QStringLiteral("FAILED: ") + why);
    m_timer.stop();
    QApplication::exit(3);
}

void RoundDriver::tick()
{
    if (++m_ticks > kGiveUpTicks)
        return fail(QStringLiteral("the round did not end within a minute"));
    if (!answerBox())
        step();
}

// Answers whichever box is up: the guess box with the word the chain holds
// next to the one named in its title, a message box with its OK button.
bool RoundDriver::answerBox()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible())
        return false;
    if (auto* ask = qobject_cast<QInputDialog*>(modal)) {
        const QStringList title = ask->windowTitle().split(QLatin1Char(' '));
        const qsizetype known = m_chain.indexOf(title.last());
        const bool above = ask->windowTitle().contains(QStringLiteral("Above"));
        const qsizetype wanted = above ? known - 1 : known + 1;
        if (known < 0 || wanted < 0 || wanted >= m_chain.size()) {
            fail(QStringLiteral("a guess box nobody expected: ") + ask->windowTitle());
            return true;
        }
        say(QStringLiteral("%1: %2").arg(ask->windowTitle(), m_chain.at(wanted)));
        ask->setTextValue(m_chain.at(wanted).toLower());
        ask->accept();
        return true;
    }
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        say(QStringLiteral("box \"%1\": %2").arg(box->windowTitle(), box->text()));
        if (box->windowTitle() == QStringLiteral("Congratulations!"))
            m_congratulated = true;
        else
            fail(QStringLiteral("a box other than the congratulations"));
        if (QAbstractButton* ok = box->button(QMessageBox::Ok))
            ok->click();
        else
            box->reject();
        return true;
    }
    return false;
}

void RoundDriver::step()
{
    QPushButton* play = mainButton("Command5");
    if (!play)
        return;
    switch (m_stage) {
    case Stage::Idle:
        say(QStringLiteral("PLAY"));
        clickSoon(play);
        m_stage = Stage::Choosing;
        break;
    case Stage::Choosing:
        for (QWidget* top : QApplication::topLevelWidgets()) {
            auto* name = top->findChild<QComboBox*>(QStringLiteral("Combo1"));
            auto* accept = top->findChild<QPushButton*>(QStringLiteral("Command1"));
            if (top->isVisible() && name && accept) {
                name->setEditText(QStringLiteral("Tester"));
                clickSoon(accept);
                m_stage = Stage::Playing;
            }
        }
        break;
    case Stage::Playing:
        if (play->text() == QStringLiteral("PLAY")) {
            m_stage = Stage::Done;
            if (!m_congratulated)
                return fail(QStringLiteral("the round ended without congratulations"));
            say(QStringLiteral("round over"));
            m_timer.stop();
            QApplication::exit(0);
            return;
        }
        if (play->text() != QStringLiteral("QUIT"))
            return;
        if (m_chain.isEmpty()) {
            m_chain = loadChain();
            if (m_chain.size() != 7)
                return fail(QStringLiteral("zorvwin.dat cannot be read in the working folder"));
        }
        // One guess at a time: the box of the last click may not be up yet.
        if (m_ticks - m_lastClick > 10) {
            m_lastClick = m_ticks;
            clickSoon(mainButton("Command3"));
        }
        break;
    case Stage::Done:
        break;
    }
}
