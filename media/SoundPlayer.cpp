#include "media/SoundPlayer.h"

#include <QDir>
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

namespace {

// The three effects of the game, all loaded when the device is opened.
const char* const EffectFiles[] = {"hit.wav", "not.wav", "wins.wav"};

// File names are matched without regard to case, so "HIT.WAV" finds the
// loaded hit.wav.
QString keyFor(const QString& name)
{
    return name.trimmed().toLower();
}

} // namespace

SoundPlayer::SoundPlayer(QObject* parent) : QObject(parent)
{
    setObjectName(QStringLiteral("MMControl1"));
}

SoundPlayer::~SoundPlayer() = default;

void SoundPlayer::setCommand(const QString& command)
{
    m_command = command;
    const QString verb = command.trimmed().toLower();
    if (verb == QLatin1String("open"))
        open();
    else if (verb == QLatin1String("sound"))
        playFile();
    // Any other command is not one the game uses and is ignored.
}

QSoundEffect* SoundPlayer::effect(const QString& name) const
{
    return m_effects.value(keyFor(name), nullptr);
}

void SoundPlayer::open()
{
    if (m_open)
        return;
    m_open = true;
    for (const char* file : EffectFiles)
        load(QString::fromLatin1(file));
}

void SoundPlayer::playFile()
{
    QSoundEffect* sound = load(m_fileName);
    if (!sound || sound->status() == QSoundEffect::Error)
        return;
    sound->play();
    ++m_playsStarted;
    emit playStarted(keyFor(m_fileName));
}

// Returns the effect for a bare file name, loading it on first use. A file
// that is not there gives null, and is looked for again next time so that
// one copied in later still plays.
QSoundEffect* SoundPlayer::load(const QString& name)
{
    const QString key = keyFor(name);
    if (key.isEmpty())
        return nullptr;
    if (QSoundEffect* known = m_effects.value(key, nullptr))
        return known;
    const QFileInfo file(QDir::current(), name.trimmed());
    if (!file.isFile())
        return nullptr;
    auto* sound = new QSoundEffect(this);
    sound->setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
    m_effects.insert(key, sound);
    return sound;
}
