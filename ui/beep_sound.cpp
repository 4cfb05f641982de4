#include "ui/beep_sound.h"

#include <QApplication>
#include <QAudioDevice>
#include <QDir>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace velmora {

namespace {

constexpr int kSampleRate = 22050;
constexpr int kToneHz = 880;
constexpr int kToneMs = 140;
constexpr int kFadeMs = 10;

void Append16(QByteArray& out, uint16_t v) {
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}

void Append32(QByteArray& out, uint32_t v) {
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

}  // namespace

QByteArray BeepSound::MakeWav(int sampleRate, int frequencyHz, int milliseconds) {
    const int samples = sampleRate * milliseconds / 1000;
    const int fade = std::max(1, sampleRate * kFadeMs / 1000);
    const uint32_t dataBytes = static_cast<uint32_t>(samples) * 2;

    QByteArray wav;
    wav.reserve(44 + static_cast<int>(dataBytes));
    wav.append("RIFF", 4);
    Append32(wav, 36 + dataBytes);
    wav.append("WAVEfmt ", 8);
    Append32(wav, 16);  // size of the format chunk
    Append16(wav, 1);   // PCM
    Append16(wav, 1);   // mono
    Append32(wav, static_cast<uint32_t>(sampleRate));
    Append32(wav, static_cast<uint32_t>(sampleRate) * 2);  // bytes per second
    Append16(wav, 2);                                      // bytes per frame
    Append16(wav, 16);                                     // bits per sample
    wav.append("data", 4);
    Append32(wav, dataBytes);

    for (int i = 0; i < samples; ++i) {
        const double envelope = std::min({1.0, double(i) / fade, double(samples - 1 - i) / fade});
        const double phase = 2 * std::numbers::pi * frequencyHz * i / sampleRate;
        const double v = 0.45 * envelope * std::sin(phase);
        Append16(wav, static_cast<uint16_t>(static_cast<int16_t>(std::lround(v * 32767))));
    }
    return wav;
}

BeepSound::BeepSound() {
    if (QMediaDevices::audioOutputs().isEmpty()) return;
    file_.setFileTemplate(QDir::tempPath() + "/velmora-beep-XXXXXX.wav");
    if (!file_.open()) return;
    file_.write(MakeWav(kSampleRate, kToneHz, kToneMs));
    file_.flush();
    effect_ = std::make_unique<QSoundEffect>();
    effect_->setSource(QUrl::fromLocalFile(file_.fileName()));
    effect_->setVolume(0.6f);
}

BeepSound::~BeepSound() = default;

void BeepSound::Play() {
    if (effect_ && effect_->status() != QSoundEffect::Error) {
        effect_->play();
        return;
    }
    QApplication::beep();
}

}  // namespace velmora
