#pragma once

#include <QObject>
#include <QString>
#include <memory>

class SoundEngine;

// Plays wave and MIDI files for the slideshow's sound audition: one sound at
// a time per kind, asynchronous, silent when a file does not play. The sound
// libraries are loaded on the first audition, from the sound plugin.
class SoundPlayers final : public QObject {
    Q_OBJECT
public:
    explicit SoundPlayers(QObject* parent = nullptr);
    ~SoundPlayers() override;
    Q_DISABLE_COPY_MOVE(SoundPlayers)

    // Plays the file once; a wave sound still playing is silenced first.
    // Returns a notice for the user when sounds cannot be played at all
    // (the sound libraries are missing), else an empty string.
    QString playWave(const QString& path);
    // Plays the song to its end; a song still playing is stopped first. The
    // song starts a moment later, once it is loaded. Returns as playWave.
    QString playMidi(const QString& path);

    bool midiPlaying() const;
    // A song is still being loaded.
    bool midiPending() const;

    // Where songs are sounded: a FluidSynth audio driver name ("file" writes
    // `fileName`); empty means the system's default device.
    void setMidiOutput(const QString& driver, const QString& fileName = {});

    // The sound plugin to load instead of the one beside the executable (or
    // in the installed place), for tests.
    static void setPluginFile(const QString& path);

signals:
    // The song ended and its player and audio device were released.
    void midiFinished();

private:
    SoundEngine* soundEngine(QString* notice);

    std::unique_ptr<SoundEngine> engine;
    QString midiDriver;
    QString midiFile;
};

// Renders a MIDI file offline into a wave file with the same soundfont;
// false when the file is no song or cannot be written, or when the sound
// libraries are missing.
bool renderMidiToWave(const QString& midiPath, const QString& wavePath);
