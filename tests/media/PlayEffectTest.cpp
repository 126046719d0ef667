#include "media/PlayEffect.h"
#include "media/SoundPlayer.h"
#include "tests/media/MediaDir.h"

#include <gtest/gtest.h>

TEST(PlayEffect, SoundOffTouchesNothing)
{
    MediaDir dir;
    ASSERT_TRUE(dir.copyAllShipped());
    SoundPlayer control;
    control.setFileName(QStringLiteral("not.wav"));
    playEffect(control, false, QStringLiteral("hit.wav"));
    EXPECT_EQ(control.fileName(), QStringLiteral("not.wav"));
    EXPECT_TRUE(control.command().isEmpty());
    EXPECT_EQ(control.playsStarted(), 0);
}

TEST(PlayEffect, SoundOnNamesTheFileAndPlaysIt)
{
    MediaDir dir;
    ASSERT_TRUE(dir.copyAllShipped());
    SoundPlayer control;
    prepareMedia(control);
    playEffect(control, true, QStringLiteral("hit.wav"));
    EXPECT_EQ(control.fileName(), QStringLiteral("hit.wav"));
    EXPECT_EQ(control.command(), QStringLiteral("sound"));
    EXPECT_EQ(control.playsStarted(), 1);
    playEffect(control, true, QStringLiteral("not.wav"));
    playEffect(control, true, QStringLiteral("wins.wav"));
    EXPECT_EQ(control.playsStarted(), 3);
}

TEST(PlayEffect, MissingFileWithSoundOnStillSetsTheSteps)
{
    MediaDir dir;
    SoundPlayer control;
    prepareMedia(control);
    playEffect(control, true, QStringLiteral("wins.wav"));
    EXPECT_EQ(control.fileName(), QStringLiteral("wins.wav"));
    EXPECT_EQ(control.command(), QStringLiteral("sound"));
    EXPECT_EQ(control.playsStarted(), 0);
}

TEST(PrepareMedia, OpensTheDeviceOnTheRefusalSound)
{
    MediaDir dir;
    ASSERT_TRUE(dir.copyAllShipped());
    SoundPlayer control;
    prepareMedia(control);
    EXPECT_EQ(control.fileName(), QStringLiteral("not.wav"));
    EXPECT_EQ(control.command(), QStringLiteral("Open"));
    EXPECT_TRUE(control.isOpen());
    EXPECT_NE(control.effect(QStringLiteral("wins.wav")), nullptr);
    // Opening plays nothing by itself.
    EXPECT_EQ(control.playsStarted(), 0);
}
