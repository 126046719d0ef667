#include "tests/install/RoundDriver.h"

#include <QGenericPlugin>

// Qt loads this plugin into any program that names it in
// QT_QPA_GENERIC_PLUGINS and finds it on QT_PLUGIN_PATH; only the install
// test does.
class RoundDriverPlugin : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "RoundDriverPlugin.json")
public:
    QObject* create(const QString& key, const QString&) override
    {
        return key == QStringLiteral("lexiloopround") ? new RoundDriver : nullptr;
    }
};

#include "RoundDriverPlugin.moc"
