#pragma once

#include <QHash>
#include <QObject>
#include <QString>

class QSoundEffect;

// The main window's media control: a wave-audio player driven the way the
// game drives it, by setting properties and then a command. "Open" loads
// every effect up front so that a later "sound" starts without a decode
// delay; "sound" plays the file named in FileName. Nothing here ever
// reports a failure: a missing file or sound device just means silence.
// Qt 6.4's PulseAudio output cuts off the last ~150 ms of a sound, so the
// shipped effects end in a quarter second of silence (see tools/waves).
class SoundPlayer : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString FileName READ fileName WRITE setFileName)
    Q_PROPERTY(QString Command READ command WRITE setCommand)

public:
    explicit SoundPlayer(QObject* parent = nullptr);
    ~SoundPlayer() override;

    QString fileName() const { return m_fileName; }
    void setFileName(const QString& name) { m_fileName = name; }
    QString command() const { return m_command; }
    // Runs the command at once, as the control does.
    void setCommand(const QString& command);

    bool isOpen() const { return m_open; }
    // How many plays were started on a loaded effect (whether or not a
    // sound device took them), so callers can tell a play from a no-op.
    int playsStarted() const { return m_playsStarted; }
    // The loaded effect for a bare file name, or null when none is loaded.
    QSoundEffect* effect(const QString& name) const;

signals:
    // Emitted right after an effect has been told to play.
    void playStarted(const QString& name);

private:
    void open();
    void playFile();
    QSoundEffect* load(const QString& name);

    QString m_fileName;
    QString m_command;
    bool m_open = false;
    int m_playsStarted = 0;
    QHash<QString, QSoundEffect*> m_effects;
};
