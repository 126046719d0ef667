#pragma once

#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

// A fresh working folder for one test: the control looks its files up by
// bare name, so each test decides exactly which effects are present.
class MediaDir {
public:
    MediaDir() : m_previous(QDir::currentPath()) { QDir::setCurrent(m_dir.path()); }
    ~MediaDir() { QDir::setCurrent(m_previous); }
    MediaDir(const MediaDir&) = delete;
    MediaDir& operator=(const MediaDir&) = delete;

    bool isValid() const { return m_dir.isValid(); }

    // Copies one of the shipped effects into the folder.
    bool copyShipped(const QString& name) const
    {
        return QFile::copy(QStringLiteral(LEXILOOP_MEDIA_DATA_DIR "/") + name, name);
    }

    bool copyAllShipped() const
    {
        return copyShipped(QStringLiteral("hit.wav")) && copyShipped(QStringLiteral("not.wav"))
            && copyShipped(QStringLiteral("wins.wav"));
    }

    bool write(const QString& name, const QByteArray& bytes) const
    {
        QFile file(name);
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    }

private:
    QString m_previous;
    QTemporaryDir m_dir;
};
