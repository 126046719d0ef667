#include "app/AccessibleRoles.h"
#include "app/MainWindow.h"
#include "app/UserFolder.h"

#include <QApplication>
#include <QStyleFactory>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // The game keeps the look it was designed with.
    if (QStyle* classic = QStyleFactory::create(QStringLiteral("Windows")))
        QApplication::setStyle(classic);
    installAccessibleRoles();
    if (!UserFolder::enter())
        return 1;
    MainWindow window;
    window.show();
    return app.exec();
}
