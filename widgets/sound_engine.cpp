#include "widgets/sound_engine.h"

#include <QFile>
#include <QList>
#include <QObject>
#include <QSoundEffect>
#include <QThread>
#include <QTimer>
#include <QUrl>
#include <fluidsynth.h>
#include <functional>

namespace {

// The audition reports nothing; FluidSynth would otherwise print its
// complaints about a missing sound device on every attempt.
void silenceFluidSynth() {
    static const bool silenced = [] {
        for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
            fluid_set_log_function(level, nullptr, nullptr);
        return true;
    }();
    Q_UNUSED(silenced);
}

constexpr int SongWatchInterval = 100; // ms

} // namespace

// One MIDI file loaded into its own synthesiser with the General MIDI
// soundfont. Released as a whole: audio device, player, synthesiser.
class MidiSong final {
public:
    MidiSong() = default;
    Q_DISABLE_COPY_MOVE(MidiSong)

    ~MidiSong() {
        if (driver)
            delete_fluid_audio_driver(driver);
        if (player) {
            fluid_player_stop(player);
            delete_fluid_player(player);
        }
        if (synth)
            delete_fluid_synth(synth);
        if (settings)
            delete_fluid_settings(settings);
    }

    // Loads the song; `configure` sets output settings before the synthesiser
    // is made. False when anything is missing or the file is no MIDI song.
    bool load(const QString& path, const std::function<void(fluid_settings_t*)>& configure) {
        silenceFluidSynth();
        const QByteArray file = QFile::encodeName(path);
        if (!fluid_is_midifile(file.constData()))
            return false;
        settings = new_fluid_settings();
        if (!settings)
            return false;
        configure(settings);
        synth = new_fluid_synth(settings);
        if (!synth || fluid_synth_sfload(synth, MidiSoundFont, 1) == FLUID_FAILED)
            return false;
        player = new_fluid_player(synth);
        return player && fluid_player_add(player, file.constData()) == FLUID_OK;
    }

    // Starts the song on a sound device, asynchronously.
    bool play() {
        driver = new_fluid_audio_driver(settings, synth);
        return driver && fluid_player_play(player) == FLUID_OK;
    }

    bool finished() const { return fluid_player_get_status(player) != FLUID_PLAYER_PLAYING; }

    // Renders the whole song into the file named in the settings.
    bool render() {
        fluid_file_renderer_t* renderer = new_fluid_file_renderer(synth);
        if (!renderer)
            return false;
        bool ok = fluid_player_play(player) == FLUID_OK;
        while (ok && fluid_player_get_status(player) == FLUID_PLAYER_PLAYING)
            ok = fluid_file_renderer_process_block(renderer) == FLUID_OK;
        delete_fluid_file_renderer(renderer);
        return ok;
    }

private:
    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;
    fluid_player_t* player = nullptr;
    fluid_audio_driver_t* driver = nullptr;
};

namespace {

// The engine: one wave player, and one MIDI song at a time loaded aside and
// watched until it ends.
class FluidSoundEngine final : public QObject, public SoundEngine {
public:
    FluidSoundEngine() {
        songWatch.setInterval(SongWatchInterval);
        connect(&songWatch, &QTimer::timeout, this, &FluidSoundEngine::watchSong);
    }
    ~FluidSoundEngine() override {
        for (QThread* loader : std::as_const(loaders)) {
            loader->wait();
            delete loader;
        }
    }
    Q_DISABLE_COPY_MOVE(FluidSoundEngine)

    void playWave(const QString& path) override {
        if (!wave) {
            wave = std::make_unique<QSoundEffect>();
            wave->setLoopCount(1);
        }
        wave->stop();
        wave->setSource(QUrl::fromLocalFile(path));
        wave->play();
    }

    void playMidi(const QString& path) override {
        releaseSong();
        const quint64 request = ++midiRequests;
        const QByteArray driver = midiDriver.toUtf8();
        const QByteArray file = QFile::encodeName(midiFile);
        auto started = std::make_shared<std::unique_ptr<MidiSong>>();
        // Reading the soundfont and opening the sound device take a moment, so
        // they happen aside and the window goes on.
        QThread* loader = QThread::create([path, driver, file, started] {
            auto next = std::make_unique<MidiSong>();
            const bool loaded = next->load(path, [&driver, &file](fluid_settings_t* settings) {
                if (!driver.isEmpty())
                    fluid_settings_setstr(settings, "audio.driver", driver.constData());
                if (!file.isEmpty())
                    fluid_settings_setstr(settings, "audio.file.name", file.constData());
            });
            if (loaded && next->play())
                *started = std::move(next);
        });
        loaders.append(loader);
        connect(loader, &QThread::finished, this, [this, loader, started, request] {
            loaders.removeOne(loader);
            loader->deleteLater();
            // A later audition has replaced this one.
            if (request != midiRequests) {
                started->reset();
                return;
            }
            if (!*started)
                return;
            song = std::move(*started);
            songWatch.start();
        });
        loader->start();
    }

    bool midiPlaying() const override { return song != nullptr; }
    bool midiPending() const override { return !loaders.isEmpty(); }

    void setMidiOutput(const QString& driver, const QString& fileName) override {
        midiDriver = driver;
        midiFile = fileName;
    }

    bool renderMidiToWave(const QString& midiPath, const QString& wavePath) override {
        MidiSong offline;
        const bool loaded = offline.load(midiPath, [&wavePath](fluid_settings_t* settings) {
            fluid_settings_setstr(settings, "audio.file.name",
                                  QFile::encodeName(wavePath).constData());
            fluid_settings_setstr(settings, "audio.file.type", "wav");
            // Offline: the song's clock follows the rendered samples.
            fluid_settings_setstr(settings, "player.timing-source", "sample");
            fluid_settings_setint(settings, "synth.lock-memory", 0);
        });
        return loaded && offline.render();
    }

private:
    void watchSong() {
        if (!song || !song->finished())
            return;
        releaseSong();
        if (midiFinished)
            midiFinished();
    }

    void releaseSong() {
        songWatch.stop();
        song.reset();
    }

    std::unique_ptr<QSoundEffect> wave;
    std::unique_ptr<MidiSong> song;
    QList<QThread*> loaders;
    quint64 midiRequests = 0;
    QTimer songWatch;
    QString midiDriver;
    QString midiFile;
};

} // namespace

SoundEngine* quillmintNewSoundEngine() {
    return new FluidSoundEngine;
}
