#pragma once

#include <QAudioFormat>
#include <QBuffer>
#include <QByteArray>
#include <chrono>
#include <memory>

class QAudioSink;

namespace orvanest {

// Plays one generated sine tone at a time without blocking. `playing` stays true for the tone's length
// whether or not the machine has an audio device, so an animation paced by it keeps its timing.
class TonePlayer {
public:
    TonePlayer();
    ~TonePlayer();
    TonePlayer(const TonePlayer&) = delete;
    TonePlayer& operator=(const TonePlayer&) = delete;

    // Starts the tone, cutting off the one before.
    void play(int frequencyHz, int milliseconds);
    bool playing() const;
    bool hasAudioDevice() const { return audible_; }

private:
    using Clock = std::chrono::steady_clock;

    void stopSink();

    bool audible_ = false;
    QAudioFormat format_;
    QByteArray samples_;
    QBuffer buffer_;
    std::unique_ptr<QAudioSink> sink_;
    Clock::time_point end_;
};

// Sine samples of the tone in the given format (16-bit integers or floats), faded in and out over a
// few milliseconds so it starts and stops without a click; empty for another sample format.
QByteArray sineSamples(const QAudioFormat& format, int frequencyHz, int milliseconds);

}  // namespace orvanest
