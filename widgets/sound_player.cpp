#include "widgets/sound_player.h"

#include "core/plugin_library.h"
#include "widgets/sound_engine.h"

#include <QCoreApplication>

namespace {

QString& pluginOverride() {
    static QString path;
    return path;
}

// Loads the plugin on first use and keeps it loaded; on failure returns
// nothing and says why in `notice`, and the next call tries again.
NewSoundEngine engineFactory(QString* notice) {
    static NewSoundEngine factory = nullptr;
    if (factory)
        return factory;
    QString reasons;
    factory = reinterpret_cast<NewSoundEngine>(resolvePluginSymbol(
        pluginCandidates(QStringLiteral(QUILLMINT_SOUND_PLUGIN),
                         QStringLiteral(QUILLMINT_SOUND_PLUGIN_INSTALLED), pluginOverride()),
        NewSoundEngineSymbol, &reasons));
    if (!factory)
        *notice =
            QCoreApplication::translate(
                "Desktop", "Sounds cannot be played: the sound library cannot be loaded (%1).")
                .arg(reasons);
    return factory;
}

} // namespace

SoundPlayers::SoundPlayers(QObject* parent) : QObject(parent) {}

SoundPlayers::~SoundPlayers() = default;

void SoundPlayers::setPluginFile(const QString& path) {
    pluginOverride() = path;
}

SoundEngine* SoundPlayers::soundEngine(QString* notice) {
    if (engine)
        return engine.get();
    const NewSoundEngine factory = engineFactory(notice);
    if (!factory)
        return nullptr;
    engine.reset(factory());
    engine->midiFinished = [this] { emit midiFinished(); };
    engine->setMidiOutput(midiDriver, midiFile);
    return engine.get();
}

QString SoundPlayers::playWave(const QString& path) {
    QString notice;
    if (SoundEngine* sounds = soundEngine(&notice))
        sounds->playWave(path);
    return notice;
}

QString SoundPlayers::playMidi(const QString& path) {
    QString notice;
    if (SoundEngine* sounds = soundEngine(&notice))
        sounds->playMidi(path);
    return notice;
}

bool SoundPlayers::midiPlaying() const {
    return engine && engine->midiPlaying();
}

bool SoundPlayers::midiPending() const {
    return engine && engine->midiPending();
}

void SoundPlayers::setMidiOutput(const QString& driver, const QString& fileName) {
    midiDriver = driver;
    midiFile = fileName;
    if (engine)
        engine->setMidiOutput(driver, fileName);
}

bool renderMidiToWave(const QString& midiPath, const QString& wavePath) {
    QString notice;
    const NewSoundEngine factory = engineFactory(&notice);
    if (!factory)
        return false;
    const std::unique_ptr<SoundEngine> engine(factory());
    return engine->renderMidiToWave(midiPath, wavePath);
}
