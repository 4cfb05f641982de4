#pragma once
// The system's default beep, made audible. QApplication::beep() is silent on many Linux
// desktops, so the program plays a short tone of its own, generated in code, and falls
// back to QApplication::beep() where no audio output exists.

#include <QByteArray>
#include <QTemporaryFile>

#include <memory>

class QSoundEffect;

namespace velmora {

class BeepSound {
public:
    BeepSound();
    ~BeepSound();
    BeepSound(const BeepSound&) = delete;
    BeepSound& operator=(const BeepSound&) = delete;

    void Play();

    // A complete WAV file: mono 16-bit PCM, a sine tone with short fades at both ends
    // so it starts and stops without a click.
    static QByteArray MakeWav(int sampleRate, int frequencyHz, int milliseconds);

private:
    QTemporaryFile file_;
    std::unique_ptr<QSoundEffect> effect_;
};

}  // namespace velmora
