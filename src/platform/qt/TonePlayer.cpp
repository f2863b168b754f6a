#include "platform/qt/TonePlayer.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QMediaDevices>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace orvanest {

namespace {

// A tone longer than this is played silently for the rest of its length: the samples stay small.
constexpr int kLongestGeneratedMs = 10'000;
constexpr int kFadeMs = 5;
// An audio device that never finishes cannot hold the animation for longer than this past the tone.
constexpr auto kDrainGrace = std::chrono::milliseconds(500);

QAudioFormat chooseFormat(const QAudioDevice& device) {
    QAudioFormat format;
    format.setSampleRate(44100);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    if (device.isFormatSupported(format)) return format;
    return device.preferredFormat();
}

}  // namespace

QByteArray sineSamples(const QAudioFormat& format, int frequencyHz, int milliseconds) {
    const bool asFloat = format.sampleFormat() == QAudioFormat::Float;
    if ((!asFloat && format.sampleFormat() != QAudioFormat::Int16) || format.sampleRate() <= 0 ||
        format.channelCount() <= 0 || frequencyHz <= 0 || milliseconds <= 0) {
        return {};
    }
    const int rate = format.sampleRate();
    const int channels = format.channelCount();
    const qsizetype frames = static_cast<qsizetype>(rate) * std::min(milliseconds, kLongestGeneratedMs) / 1000;
    const qsizetype fadeFrames = std::max<qsizetype>(1, static_cast<qsizetype>(rate) * kFadeMs / 1000);
    const int bytesPerSample = asFloat ? 4 : 2;
    QByteArray data(frames * channels * bytesPerSample, Qt::Uninitialized);
    char* out = data.data();
    const double step = 2.0 * std::acos(-1.0) * frequencyHz / rate;
    for (qsizetype i = 0; i < frames; ++i) {
        const double edge = static_cast<double>(std::min(i, frames - 1 - i));
        const double envelope = std::min(1.0, edge / static_cast<double>(fadeFrames));
        const double value = 0.4 * envelope * std::sin(step * static_cast<double>(i));
        for (int c = 0; c < channels; ++c) {
            if (asFloat) {
                const float sample = static_cast<float>(value);
                std::memcpy(out, &sample, sizeof sample);
            } else {
                const auto sample = static_cast<qint16>(std::lround(value * 32767.0));
                std::memcpy(out, &sample, sizeof sample);
            }
            out += bytesPerSample;
        }
    }
    return data;
}

TonePlayer::TonePlayer() : end_(Clock::now()) {
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) return;
    format_ = chooseFormat(device);
    audible_ = format_.isValid();
    if (audible_) sink_ = std::make_unique<QAudioSink>(device, format_);
}

TonePlayer::~TonePlayer() { stopSink(); }

void TonePlayer::stopSink() {
    if (sink_) sink_->stop();
    buffer_.close();
}

void TonePlayer::play(int frequencyHz, int milliseconds) {
    stopSink();
    end_ = Clock::now() + std::chrono::milliseconds(std::max(milliseconds, 0));
    if (!audible_) return;
    samples_ = sineSamples(format_, frequencyHz, milliseconds);
    if (samples_.isEmpty()) return;
    buffer_.setData(samples_);
    buffer_.open(QIODevice::ReadOnly);
    sink_->start(&buffer_);
}

bool TonePlayer::playing() const {
    const Clock::time_point now = Clock::now();
    if (now < end_) return true;
    // The device may lag behind the clock a little; wait for it to play out, but not for ever.
    return sink_ && sink_->state() == QAudio::ActiveState && now < end_ + kDrainGrace;
}

}  // namespace orvanest
