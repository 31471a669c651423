#include "support/test_files.h"
#include "widgets/sound_player.h"

#include <QDataStream>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A one-track MIDI song: middle C held for `ticks` (96 ticks = half a second).
QByteArray midiSong(quint16 ticks) {
    QByteArray track;
    track += QByteArray::fromHex("00903C64"); // note on at once
    // The delay as a variable-length quantity.
    QByteArray delay;
    delay.prepend(char(ticks & 0x7F));
    for (quint16 rest = ticks >> 7; rest > 0; rest >>= 7)
        delay.prepend(char(0x80 | (rest & 0x7F)));
    track += delay + QByteArray::fromHex("803C40"); // note off
    track += QByteArray::fromHex("00FF2F00");       // end of track

    QByteArray song;
    QDataStream out(&song, QIODevice::WriteOnly);
    out.writeRawData("MThd", 4);
    out << quint32(6) << quint16(0) << quint16(1) << quint16(96);
    out.writeRawData("MTrk", 4);
    out << quint32(track.size());
    out.writeRawData(track.constData(), int(track.size()));
    return song;
}

// True when the wave file holds sound: a RIFF header and samples not all zero.
bool holdsSound(const QByteArray& wave) {
    if (!wave.startsWith("RIFF") || wave.mid(8, 4) != "WAVE" || wave.size() <= 44)
        return false;
    for (qsizetype i = 44; i < wave.size(); ++i)
        if (wave.at(i) != 0)
            return true;
    return false;
}

} // namespace

class SoundPlayerTest final : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        SoundPlayers::setPluginFile(QStringLiteral(QUILLMINT_SOUND_PLUGIN_FILE));
    }

    // Without the sound library the audition says so and nothing else happens.
    void aMissingSoundLibraryIsANoticeNotACrash() {
        QTemporaryDir dir;
        const QString missing = dir.filePath(QStringLiteral("quillmint-sound.so"));
        const QString broken = dir.filePath(QStringLiteral("broken.so"));
        writeBytes(broken, "not a library");
        const QString song = dir.filePath(QStringLiteral("tune.mid"));
        writeBytes(song, midiSong(24));
        for (const QString& plugin : {missing, broken}) {
            SoundPlayers::setPluginFile(plugin);
            SoundPlayers players;
            for (const QString& notice : {players.playWave(dir.filePath(QStringLiteral("a.wav"))),
                                          players.playMidi(song)}) {
                QVERIFY2(notice.startsWith(QStringLiteral("Sounds cannot be played: the sound "
                                                          "library cannot be loaded (")),
                         qPrintable(notice));
                QVERIFY2(notice.contains(plugin), qPrintable(notice));
            }
            QVERIFY(!players.midiPlaying() && !players.midiPending());
            QVERIFY(!renderMidiToWave(song, dir.filePath(QStringLiteral("out.wav"))));
        }
        SoundPlayers::setPluginFile(QStringLiteral(QUILLMINT_SOUND_PLUGIN_FILE));
        SoundPlayers players;
        players.setMidiOutput(QStringLiteral("file"), dir.filePath(QStringLiteral("out.wav")));
        QCOMPARE(players.playMidi(song), QString());
    }

    void aSongRendersWithTheSoundFont() {
        QTemporaryDir dir;
        const QString song = dir.filePath(QStringLiteral("tune.mid"));
        writeBytes(song, midiSong(96));
        const QString wave = dir.filePath(QStringLiteral("tune.wav"));
        QVERIFY(renderMidiToWave(song, wave));
        const QByteArray rendered = readBytes(wave);
        QVERIFY(holdsSound(rendered));
        // Half a second of 16-bit stereo at 44.1 kHz at the least.
        QVERIFY2(rendered.size() > 44100 * 4 / 2, qPrintable(QString::number(rendered.size())));
    }

    void whatIsNoSongIsRefusedQuietly() {
        QTemporaryDir dir;
        const QString notMidi = dir.filePath(QStringLiteral("fake.mid"));
        writeBytes(notMidi, "RIFF, not a song");
        QVERIFY(!renderMidiToWave(notMidi, dir.filePath(QStringLiteral("out.wav"))));
        QVERIFY(!renderMidiToWave(dir.filePath(QStringLiteral("missing.mid")),
                                  dir.filePath(QStringLiteral("out.wav"))));

        SoundPlayers players;
        QSignalSpy finished(&players, &SoundPlayers::midiFinished);
        players.setMidiOutput(QStringLiteral("file"), dir.filePath(QStringLiteral("out.wav")));
        players.playMidi(notMidi);
        QTRY_VERIFY(!players.midiPending());
        QVERIFY(!players.midiPlaying());
        players.playMidi(dir.filePath(QStringLiteral("missing.mid")));
        QTRY_VERIFY(!players.midiPending());
        QVERIFY(!players.midiPlaying());
        players.setMidiOutput(QStringLiteral("no-such-driver"));
        const QString song = dir.filePath(QStringLiteral("tune.mid"));
        writeBytes(song, midiSong(96));
        players.playMidi(song);
        QTRY_VERIFY(!players.midiPending());
        QVERIFY(!players.midiPlaying());
        QCOMPARE(finished.count(), 0);
    }

    void aSongPlaysToItsEndAndIsReleased() {
        QTemporaryDir dir;
        const QString song = dir.filePath(QStringLiteral("tune.mid"));
        writeBytes(song, midiSong(24));
        const QString heard = dir.filePath(QStringLiteral("heard.wav"));
        SoundPlayers players;
        QSignalSpy finished(&players, &SoundPlayers::midiFinished);
        players.setMidiOutput(QStringLiteral("file"), heard);
        players.playMidi(song);
        QTRY_VERIFY(players.midiPlaying());
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 10000);
        QVERIFY(!players.midiPlaying());
        QVERIFY(holdsSound(readBytes(heard)));
    }

    void aSecondSongStopsTheFirst() {
        QTemporaryDir dir;
        const QString longSong = dir.filePath(QStringLiteral("long.mid"));
        writeBytes(longSong, midiSong(96 * 120)); // a minute
        const QString shortSong = dir.filePath(QStringLiteral("short.mid"));
        writeBytes(shortSong, midiSong(48));
        SoundPlayers players;
        QSignalSpy finished(&players, &SoundPlayers::midiFinished);
        players.setMidiOutput(QStringLiteral("file"), dir.filePath(QStringLiteral("out.wav")));

        // Once the first is playing, and while it is still being loaded.
        players.playMidi(longSong);
        QTRY_VERIFY(players.midiPlaying());
        players.playMidi(shortSong);
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 10000);
        QVERIFY(!players.midiPlaying());

        players.playMidi(longSong);
        players.playMidi(shortSong);
        // Only the short song is left to end, long before the first would.
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 2, 10000);
        QVERIFY(!players.midiPlaying());
        QVERIFY(!players.midiPending());
    }
};

QTEST_GUILESS_MAIN(SoundPlayerTest)
#include "sound_player_test.moc"
