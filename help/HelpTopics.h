#pragma once
#include <QString>
#include <array>

// One page of the built-in manual. The entry is what the topic list shows;
// the heading may be longer than the entry.
struct HelpTopic {
    QString entry;
    QString heading;
    QString body;
};

// The four pages, in the order of the topic list. The texts are fixed parts
// of the game: there is no help file to go missing.
const std::array<HelpTopic, 4>& helpTopics();
