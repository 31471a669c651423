#pragma once

#include <QString>
#include <functional>

// The General MIDI soundfont the MIDI player sounds with.
inline constexpr char MidiSoundFont[] = "/usr/share/sounds/sf2/TimGM6mb.sf2";

// The sound engine behind SoundPlayers. It lives in a plugin library of its
// own (quillmint-sound.so, built from sound_engine.cpp), which alone links
// Qt Multimedia and FluidSynth, so that they are loaded on the first
// audition and not at start-up.
class SoundEngine {
public:
    virtual ~SoundEngine() = default;

    virtual void playWave(const QString& path) = 0;
    virtual void playMidi(const QString& path) = 0;
    virtual bool midiPlaying() const = 0;
    virtual bool midiPending() const = 0;
    virtual void setMidiOutput(const QString& driver, const QString& fileName) = 0;
    virtual bool renderMidiToWave(const QString& midiPath, const QString& wavePath) = 0;

    // Told, on the engine's thread, when a song ended and was released.
    std::function<void()> midiFinished;
};

// The plugin's one entry point: a new engine, owned by the caller.
extern "C" SoundEngine* quillmintNewSoundEngine();
using NewSoundEngine = SoundEngine* (*)();
inline constexpr char NewSoundEngineSymbol[] = "quillmintNewSoundEngine";
