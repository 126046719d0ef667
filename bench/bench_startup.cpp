// Measures the time from process start to the first painted frame of the
// main window, beside the same figure for a bare main window holding the
// same number of plain widgets. Run: build/bench/bench_startup [runs]
#include "app/MainWindow.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QStyleFactory>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

long long nowNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1000000000LL + ts.tv_nsec;
}

// Prints the clock when the window has painted itself once, then quits.
class FirstPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            QMetaObject::invokeMethod(
                qApp, [] {
                    std::printf("%lld\n", nowNs());
                    std::fflush(stdout);
                    QApplication::exit(0);
                },
                Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_seen = false;
};

int runChild(int argc, char** argv, bool game)
{
    QApplication app(argc, argv);
    if (QStyle* classic = QStyleFactory::create(QStringLiteral("Windows")))
        QApplication::setStyle(classic);
    FirstPaint watcher;
    std::unique_ptr<QMainWindow> window;
    if (game) {
        window = std::make_unique<MainWindow>();
    } else {
        // The same controls as stock Qt widgets: a menu bar, 70 empty
        // labels for the tiles, the seven labels and six buttons.
        window = std::make_unique<QMainWindow>();
        for (const char* title : {"&Game", "&Settings", "&Help"})
            window->menuBar()->addMenu(QString::fromLatin1(title))->addAction(QStringLiteral("&Item"));
        auto* surface = new QWidget;
        surface->setFixedSize(499, 273);
        for (int i = 0; i < 70; ++i)
            (new QLabel(surface))->setGeometry(40 + (i % 10) * 24, 62 + (i / 10) * 22, 20, 18);
        for (int i = 0; i < 7; ++i)
            (new QLabel(QStringLiteral("Label"), surface))->setGeometry(340, 50 + 20 * i, 90, 18);
        for (int i = 0; i < 6; ++i)
            (new QPushButton(QStringLiteral("Button"), surface))->setGeometry(348, 100 + 26 * i, 103, 27);
        window->setCentralWidget(surface);
    }
    window->installEventFilter(&watcher);
    window->show();
    return app.exec();
}

// Starts one child and returns its start-to-paint time in milliseconds.
double timeOneStart(const char* self, const char* mode)
{
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        return -1;
    const long long start = nowNs();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(pipeFds[1], STDOUT_FILENO);
        close(pipeFds[0]);
        execl(self, self, "--child", mode, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(pipeFds[1]);
    char buffer[64] = {};
    const ssize_t got = read(pipeFds[0], buffer, sizeof buffer - 1);
    close(pipeFds[0]);
    waitpid(pid, nullptr, 0);
    if (got <= 0)
        return -1;
    return double(std::stoll(buffer) - start) / 1e6;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    if (argc >= 3 && std::strcmp(argv[1], "--child") == 0)
        return runChild(argc, argv, std::strcmp(argv[2], "game") == 0);
    const int runs = argc >= 2 ? std::max(1, std::atoi(argv[1])) : 15;
    std::vector<double> bare, game;
    for (int i = 0; i < runs; ++i) {
        bare.push_back(timeOneStart(argv[0], "bare"));
        game.push_back(timeOneStart(argv[0], "game"));
    }
    const double b = median(bare), g = median(game);
    std::printf("start to first paint, median of %d runs (platform %s):\n", runs,
                qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ? "default"
                                                               : qgetenv("QT_QPA_PLATFORM").data());
    std::printf("  bare main window, same stock widgets: %7.1f ms\n", b);
    std::printf("  Lexiloop main window:               %7.1f ms\n", g);
    std::printf("  ratio: %.2f (target at most 1.30)\n", b > 0 ? g / b : 0.0);
    return 0;
}
