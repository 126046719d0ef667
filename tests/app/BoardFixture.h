#pragma once
#include "app/MainWindow.h"
#include "app/TileImage.h"
#include "playerwindows/PlayerDialog.h"
#include "tests/support/Chains.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/ScriptedPrompter.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>
#include <memory>

// The main window in a scratch folder holding a few SNOW chains, with every
// message box answered from a script.
class Board : public ::testing::Test {
protected:
    void SetUp() override
    {
        ScratchFolder::write("zorvwin.dat", chainFile(std::vector(3, kSnowChain)));
        window = std::make_unique<MainWindow>(&prompter);
    }

    QPushButton* button(const char* name) const
    {
        return window->findChild<QPushButton*>(QString::fromLatin1(name));
    }
    QString caption(const char* name) const { return button(name)->text(); }
    QString label(const char* name) const
    {
        return window->findChild<QLabel*>(QString::fromLatin1(name))->text();
    }
    QAction* menu(const char* name) const
    {
        return window->findChild<QAction*>(QString::fromLatin1(name));
    }
    // Tiles counted row by row, ten to a row.
    int holder(int index) const { return window->tile(index / 10, index % 10)->holder(); }

    // PLAY, then Accept with this name in the player dialog.
    void startRound(const QString& name = QStringLiteral("Ann"))
    {
        button("Command5")->click();
        PlayerDialog* dialog = window->playerDialog();
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QComboBox*>(QStringLiteral("Combo1"))->setEditText(name);
        dialog->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
        QApplication::processEvents();
    }

    // Answers the next guess box with this word and presses the guess button.
    void guess(const char* command, const QString& answer)
    {
        prompter.inputs.push_back(answer);
        button(command)->click();
    }

    ScratchFolder folder;
    ScriptedPrompter prompter;
    std::unique_ptr<MainWindow> window;
};
