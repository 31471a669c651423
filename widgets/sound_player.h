#pragma once

#include <QObject>
#include <QString>

// Plays wave and MIDI files for the slideshow's sound audition: one sound at
// a time per kind, asynchronous, silent on failure.
class SoundPlayers final : public QObject {
    Q_OBJECT
public:
    explicit SoundPlayers(QObject* parent = nullptr);
    ~SoundPlayers() override;
    Q_DISABLE_COPY_MOVE(SoundPlayers)

    void playWave(const QString& path);
    void playMidi(const QString& path);
};
