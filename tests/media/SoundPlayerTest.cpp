#include "media/SoundPlayer.h"
#include "tests/media/MediaDir.h"

#include <QSignalSpy>
#include <QSoundEffect>
#include <QTest>
#include <gtest/gtest.h>

namespace {

bool waitUntilLoaded(QSoundEffect* sound)
{
    return sound && QTest::qWaitFor([sound] { return sound->status() != QSoundEffect::Loading; },
                                    3000);
}

} // namespace

TEST(SoundPlayer, PropertiesKeepWhatIsSetUnderTheirControlNames)
{
    SoundPlayer control;
    EXPECT_EQ(control.objectName(), QStringLiteral("MMControl1"));
    control.setProperty("FileName", QStringLiteral("hit.wav"));
    EXPECT_EQ(control.fileName(), QStringLiteral("hit.wav"));
    EXPECT_EQ(control.property("FileName").toString(), QStringLiteral("hit.wav"));
}

TEST(SoundPlayer, OpenPreloadsAllThreeEffectsOnce)
{
    MediaDir dir;
    ASSERT_TRUE(dir.copyAllShipped());
    SoundPlayer control;
    control.setCommand(QStringLiteral("Open"));
    EXPECT_TRUE(control.isOpen());
    for (const char* name : {"hit.wav", "not.wav", "wins.wav"}) {
        QSoundEffect* sound = control.effect(QString::fromLatin1(name));
        ASSERT_NE(sound, nullptr) << name;
        ASSERT_TRUE(waitUntilLoaded(sound)) << name;
        EXPECT_EQ(sound->status(), QSoundEffect::Ready) << name;
    }
    QSoundEffect* first = control.effect(QStringLiteral("hit.wav"));
    control.setCommand(QStringLiteral("open"));
    EXPECT_EQ(control.effect(QStringLiteral("hit.wav")), first);
    EXPECT_EQ(control.playsStarted(), 0);
}

TEST(SoundPlayer, SoundPlaysTheNamedFileWhateverTheCase)
{
    MediaDir dir;
    ASSERT_TRUE(dir.copyAllShipped());
    SoundPlayer control;
    control.setCommand(QStringLiteral("Open"));
    QSignalSpy started(&control, &SoundPlayer::playStarted);
    control.setFileName(QStringLiteral("WINS.WAV"));
    control.setCommand(QStringLiteral("SOUND"));
    EXPECT_EQ(control.playsStarted(), 1);
    ASSERT_EQ(started.count(), 1);
    EXPECT_EQ(started.at(0).at(0).toString(), QStringLiteral("wins.wav"));
    EXPECT_EQ(control.command(), QStringLiteral("SOUND"));
}

TEST(SoundPlayer, SoundWithoutOpenLoadsTheFileOnDemand)
{
    MediaDir dir;
    SoundPlayer control;
    control.setFileName(QStringLiteral("hit.wav"));
    control.setCommand(QStringLiteral("sound"));
    EXPECT_EQ(control.playsStarted(), 0);
    // A file that turns up later is found on the next play.
    ASSERT_TRUE(dir.copyShipped(QStringLiteral("hit.wav")));
    control.setCommand(QStringLiteral("sound"));
    EXPECT_EQ(control.playsStarted(), 1);
    EXPECT_NE(control.effect(QStringLiteral("hit.wav")), nullptr);
    EXPECT_EQ(control.effect(QStringLiteral("not.wav")), nullptr);
}

TEST(SoundPlayer, MissingFilesStaySilent)
{
    MediaDir dir;
    ASSERT_TRUE(dir.copyShipped(QStringLiteral("not.wav")));
    SoundPlayer control;
    control.setCommand(QStringLiteral("Open"));
    EXPECT_TRUE(control.isOpen());
    EXPECT_EQ(control.effect(QStringLiteral("hit.wav")), nullptr);
    EXPECT_NE(control.effect(QStringLiteral("not.wav")), nullptr);
    for (const char* name : {"hit.wav", "wins.wav", "", "nosuch.wav"}) {
        control.setFileName(QString::fromLatin1(name));
        control.setCommand(QStringLiteral("sound"));
    }
    EXPECT_EQ(control.playsStarted(), 0);
}

TEST(SoundPlayer, UnreadableWaveFileStaysSilent)
{
    MediaDir dir;
    ASSERT_TRUE(dir.write(QStringLiteral("hit.wav"), QByteArray("RIFF\0\0\0\0junk", 12)));
    SoundPlayer control;
    control.setCommand(QStringLiteral("Open"));
    ASSERT_TRUE(waitUntilLoaded(control.effect(QStringLiteral("hit.wav"))));
    EXPECT_EQ(control.effect(QStringLiteral("hit.wav"))->status(), QSoundEffect::Error);
    control.setFileName(QStringLiteral("hit.wav"));
    control.setCommand(QStringLiteral("sound"));
    EXPECT_EQ(control.playsStarted(), 0);
}

TEST(SoundPlayer, UnknownCommandsAreIgnored)
{
    MediaDir dir;
    ASSERT_TRUE(dir.copyAllShipped());
    SoundPlayer control;
    control.setFileName(QStringLiteral("hit.wav"));
    for (const char* verb : {"Close", "Play", "sounds", "", "Opened"})
        control.setCommand(QString::fromLatin1(verb));
    EXPECT_FALSE(control.isOpen());
    EXPECT_EQ(control.playsStarted(), 0);
    EXPECT_EQ(control.effect(QStringLiteral("hit.wav")), nullptr);
    EXPECT_EQ(control.command(), QStringLiteral("Opened"));
}
