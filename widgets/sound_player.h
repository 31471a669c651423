#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>
#include <memory>

class QSoundEffect;
class QThread;
class MidiSong;

// The General MIDI soundfont the MIDI player sounds with.
inline constexpr char MidiSoundFont[] = "/usr/share/sounds/sf2/TimGM6mb.sf2";

// Plays wave and MIDI files for the slideshow's sound audition: one sound at
// a time per kind, asynchronous, silent on failure.
class SoundPlayers final : public QObject {
    Q_OBJECT
public:
    explicit SoundPlayers(QObject* parent = nullptr);
    ~SoundPlayers() override;
    Q_DISABLE_COPY_MOVE(SoundPlayers)

    // Plays the file once; a wave sound still playing is silenced first.
    void playWave(const QString& path);
    // Plays the song to its end; a song still playing is stopped first. The
    // song starts a moment later, once it is loaded.
    void playMidi(const QString& path);

    bool midiPlaying() const { return song != nullptr; }
    // A song is still being loaded.
    bool midiPending() const { return !loaders.isEmpty(); }

    // Where songs are sounded: a FluidSynth audio driver name ("file" writes
    // `fileName`); empty means the system's default device.
    void setMidiOutput(const QString& driver, const QString& fileName = {});

signals:
    // The song ended and its player and audio device were released.
    void midiFinished();

private:
    void watchSong();
    void releaseSong();

    std::unique_ptr<QSoundEffect> wave;
    std::unique_ptr<MidiSong> song;
    QList<QThread*> loaders;
    quint64 midiRequests = 0;
    QTimer songWatch;
    QString midiDriver;
    QString midiFile;
};

// Renders a MIDI file offline into a wave file with the same soundfont;
// false when the file is no song or cannot be written.
bool renderMidiToWave(const QString& midiPath, const QString& wavePath);
