#include "media/PlayEffect.h"

#include "media/SoundPlayer.h"

void playEffect(SoundPlayer& player, bool soundOn, const QString& file)
{
    if (!soundOn)
        return;
    player.setFileName(file);
    player.setCommand(QStringLiteral("sound"));
}

void prepareMedia(SoundPlayer& player)
{
    player.setFileName(QStringLiteral("not.wav"));
    player.setCommand(QStringLiteral("Open"));
}
