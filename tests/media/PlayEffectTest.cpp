#include "media/MMControl1.h"
#include "media/PlayEffect.h"
#include "tests/media/MediaDir.h"

#include <gtest/gtest.h>

TEST(PlayEffect, SoundOffTouchesNothing)
{
    MediaDir dir;
    ASSERT_TRUE(dir.copyAllShipped());
    MMControl1 control;
    control.setFileName(QStringLiteral("not.wav"));
    control.setWait(true);
    playEffect(control, false, QStringLiteral("hit.wav"));
    EXPECT_EQ(control.fileName(), QStringLiteral("not.wav"));
    EXPECT_TRUE(control.wait());
    EXPECT_TRUE(control.command().isEmpty());
    EXPECT_EQ(control.playsStarted(), 0);
}

TEST(PlayEffect, SoundOnNamesTheFileAndPlaysWithoutWaiting)
{
    MediaDir dir;
    ASSERT_TRUE(dir.copyAllShipped());
    MMControl1 control;
    prepareMedia(control);
    control.setWait(true);
    playEffect(control, true, QStringLiteral("hit.wav"));
    EXPECT_EQ(control.fileName(), QStringLiteral("hit.wav"));
    EXPECT_FALSE(control.wait());
    EXPECT_EQ(control.command(), QStringLiteral("sound"));
    EXPECT_EQ(control.playsStarted(), 1);
    playEffect(control, true, QStringLiteral("not.wav"));
    playEffect(control, true, QStringLiteral("wins.wav"));
    EXPECT_EQ(control.playsStarted(), 3);
}

TEST(PlayEffect, MissingFileWithSoundOnStillSetsTheSteps)
{
    MediaDir dir;
    MMControl1 control;
    prepareMedia(control);
    playEffect(control, true, QStringLiteral("wins.wav"));
    EXPECT_EQ(control.fileName(), QStringLiteral("wins.wav"));
    EXPECT_EQ(control.command(), QStringLiteral("sound"));
    EXPECT_EQ(control.playsStarted(), 0);
}

TEST(PrepareMedia, OpensAnExclusiveWaveDeviceOnTheRefusalSound)
{
    MediaDir dir;
    ASSERT_TRUE(dir.copyAllShipped());
    MMControl1 control;
    control.setShareable(true);
    prepareMedia(control);
    EXPECT_FALSE(control.notify());
    EXPECT_FALSE(control.wait());
    EXPECT_FALSE(control.shareable());
    EXPECT_EQ(control.deviceType(), QStringLiteral("WaveAudio"));
    EXPECT_EQ(control.fileName(), QStringLiteral("not.wav"));
    EXPECT_EQ(control.command(), QStringLiteral("Open"));
    EXPECT_TRUE(control.isOpen());
    EXPECT_NE(control.effect(QStringLiteral("wins.wav")), nullptr);
    // Opening plays nothing by itself.
    EXPECT_EQ(control.playsStarted(), 0);
}
