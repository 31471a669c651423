#include "widgets/sound_player.h"

SoundPlayers::SoundPlayers(QObject* parent) : QObject(parent) {}

SoundPlayers::~SoundPlayers() = default;

void SoundPlayers::playWave(const QString& path) { Q_UNUSED(path); }

void SoundPlayers::playMidi(const QString& path) { Q_UNUSED(path); }
