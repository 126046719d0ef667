#include "media/PlayEffect.h"

#include "media/MMControl1.h"

void playEffect(MMControl1& control, bool soundOn, const QString& file)
{
    if (!soundOn)
        return;
    control.setFileName(file);
    // The sound plays on while the game shows its message.
    control.setWait(false);
    control.setCommand(QStringLiteral("sound"));
}

void prepareMedia(MMControl1& control)
{
    // No completion notice, no waiting for the device, and the device for
    // this program alone.
    control.setNotify(false);
    control.setWait(false);
    control.setShareable(false);
    control.setDeviceType(QStringLiteral("WaveAudio"));
    control.setFileName(QStringLiteral("not.wav"));
    control.setCommand(QStringLiteral("Open"));
}
