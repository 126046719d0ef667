#include "BenchSupport.h"

#include "players/ScoreFile.h"
#include "playerwindows/ScoresWindow.h"
#include "ui/Prompter.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QListView>
#include <cstdio>

// Times opening the scores window over a players file of each size: sort,
// list, build the lines and show the window, until it has painted.
namespace {

class SilentPrompter : public Prompter {
public:
    void message(QWidget*, const QString& text, const QString&, Icon) override
    {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
    }
    Answer ask(QWidget*, const QString&, const QString&, Icon, bool) override { return Answer::No; }
    std::optional<QString> input(QWidget*, const QString&, const QString&, const QString&) override
    {
        return std::nullopt;
    }
};

void benchSize(const std::string& folder, int players)
{
    const std::string path = folder + "/zorvsco.dat";
    ScoreFile file(path);
    SilentPrompter prompter;
    int rows = 0;
    const auto open = [&] {
        ScoresWindow window(file, prompter);
        window.show();
        QApplication::processEvents();
        rows = window.findChild<QListView*>(QStringLiteral("List1"))->model()->rowCount();
    };
    const double unsorted = bench::medianMs(5, [&] { bench::writePlayers(path, players); }, open);
    const double sorted = bench::medianMs(5, [] {}, open);
    std::printf("%7d players  open scores window %8.2f ms  (file already sorted %8.2f ms, %d lines)\n",
                players, unsorted, sorted, rows);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const std::string folder = bench::scratchFolder();
    for (int players : {10, 1000, 100000})
        benchSize(folder, players);
    std::filesystem::remove_all(folder);
    return 0;
}
