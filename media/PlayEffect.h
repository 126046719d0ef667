#pragma once

#include <QString>

class SoundPlayer;

// Every place that plays an effect goes through these same steps, so the
// sound switch is honoured in one spot.
void playEffect(SoundPlayer& control, bool soundOn, const QString& file);

// Opens the wave-audio device once at start-up and preloads the effects.
void prepareMedia(SoundPlayer& control);
