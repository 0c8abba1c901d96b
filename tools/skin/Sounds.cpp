// The seven sound cues, synthesised from enveloped partials and a seeded
// noise source, written as 16-bit mono PCM at 22050 Hz.
#include "Catalogue.h"

#include <QDir>
#include <QFile>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <vector>

namespace skin {

namespace {

constexpr int kRate = 22050;
constexpr double kTau = 6.28318530717958647692;

struct Partial {
    double ratio;
    double gain;
};

struct Voice {
    double start = 0;        // seconds
    double length = 0.5;     // seconds, release included
    double freq = 440;       // Hz at the start
    double glideTo = 0;      // Hz at the end of the glide, 0 for none
    double glideTime = 0.1;  // seconds
    double amp = 0.5;
    double attack = 0.005;
    double decay = 0.2;      // time constant after the attack; 0 holds
    double release = 0.03;
    double vibrato = 0;      // relative depth
    double tremolo = 0;      // relative depth at 11 Hz
    double brassy = 0;       // upper partials follow the envelope
    std::vector<Partial> partials{{1, 1}};
};

class Track {
public:
    explicit Track(double seconds) : m_s(size_t(seconds * kRate), 0.0) {}

    void add(const Voice &v)
    {
        const size_t first = size_t(v.start * kRate);
        const size_t count = size_t(v.length * kRate);
        std::vector<double> phase(v.partials.size(), 0.0);
        for (size_t i = 0; i < count && first + i < m_s.size(); ++i) {
            const double t = double(i) / kRate;
            double env = t < v.attack ? t / v.attack
                                      : (v.decay > 0 ? std::exp(-(t - v.attack) / v.decay) : 1.0);
            const double left = v.length - t;
            if (left < v.release)
                env *= left / v.release;
            double f = v.freq;
            if (v.glideTo > 0)
                f = v.freq * std::pow(v.glideTo / v.freq, std::min(1.0, t / v.glideTime));
            if (v.vibrato > 0 && t > 0.08)
                f *= 1 + v.vibrato * std::sin(kTau * 5.5 * t);
            double sample = 0;
            for (size_t k = 0; k < v.partials.size(); ++k) {
                const Partial &pt = v.partials[k];
                phase[k] += kTau * f * pt.ratio / kRate;
                const double bright = v.brassy > 0 ? std::pow(env, v.brassy * k) : 1.0;
                sample += pt.gain * bright * std::sin(phase[k]);
            }
            if (v.tremolo > 0)
                sample *= 1 - v.tremolo * (0.5 + 0.5 * std::sin(kTau * 11 * t));
            m_s[first + i] += v.amp * env * sample;
        }
    }

    // Low-passed noise burst with an exponential decay; fixed seed.
    void noise(double start, double length, double amp, double decay, double smooth,
               unsigned seed)
    {
        unsigned state = seed;
        double y = 0;
        const size_t first = size_t(start * kRate);
        for (size_t i = 0; i < size_t(length * kRate) && first + i < m_s.size(); ++i) {
            state = state * 1664525u + 1013904223u;
            const double white = (state >> 8) / double(1 << 23) - 1.0;
            y += (white - y) * smooth;
            m_s[first + i] += amp * y * std::exp(-double(i) / kRate / decay);
        }
    }

    bool write(const QString &path, double peak = 0.7)
    {
        double top = 0;
        for (double x : m_s)
            top = std::max(top, std::abs(x));
        const double gain = top > 0 ? peak / top : 0;
        const size_t fade = std::min<size_t>(m_s.size(), kRate / 200);
        for (size_t i = 0; i < fade; ++i)
            m_s[m_s.size() - 1 - i] *= double(i) / fade;
        QByteArray pcm;
        pcm.reserve(int(m_s.size() * 2));
        for (double x : m_s) {
            const int v = int(std::lround(std::clamp(x * gain, -1.0, 1.0) * 32767));
            pcm.append(char(v & 0xff));
            pcm.append(char((v >> 8) & 0xff));
        }
        QByteArray out;
        auto u32 = [&out](quint32 v) { for (int i = 0; i < 4; ++i) out.append(char(v >> (8 * i))); };
        auto u16 = [&out](quint16 v) { out.append(char(v & 0xff)); out.append(char(v >> 8)); };
        out.append("RIFF");
        u32(36 + quint32(pcm.size()));
        out.append("WAVEfmt ");
        u32(16);
        u16(1);           // PCM
        u16(1);           // mono
        u32(kRate);
        u32(kRate * 2);   // bytes per second
        u16(2);           // block align
        u16(16);          // bits per sample
        out.append("data");
        u32(quint32(pcm.size()));
        out.append(pcm);
        QFile f(path);
        return f.open(QIODevice::WriteOnly) && f.write(out) == out.size();
    }

private:
    std::vector<double> m_s;
};

const std::vector<Partial> kBell{{1, 1}, {2, 0.32}, {3.01, 0.12}, {4.23, 0.05}};
const std::vector<Partial> kBrass{{1, 1},    {2, 0.7},  {3, 0.5},  {4, 0.34},
                                  {5, 0.24}, {6, 0.16}, {7, 0.1},  {8, 0.06}};
const std::vector<Partial> kBuzz{{1, 1}, {3, 0.33}, {5, 0.2}, {7, 0.14}, {9, 0.1}};
const std::vector<Partial> kSaw{{1, 1}, {2, 0.5}, {3, 0.33}, {4, 0.25}, {5, 0.2}};

Voice voice(double start, double length, double freq, double amp)
{
    Voice v;
    v.start = start;
    v.length = length;
    v.freq = freq;
    v.amp = amp;
    return v;
}

void press(Track &t)
{
    Voice thock = voice(0, 0.08, 200, 1.0);
    thock.glideTo = 82;
    thock.glideTime = 0.05;
    thock.attack = 0.0015;
    thock.decay = 0.022;
    thock.partials = {{1, 1}, {2, 0.25}};
    t.add(thock);
    Voice ping = voice(0, 0.03, 1400, 0.18);
    ping.attack = 0.0008;
    ping.decay = 0.006;
    t.add(ping);
    t.noise(0, 0.012, 0.5, 0.0025, 0.35, 1234u);
}

void click(Track &t)
{
    Voice tick = voice(0, 0.04, 2600, 0.8);
    tick.attack = 0.0005;
    tick.decay = 0.005;
    tick.partials = {{1, 1}, {2.02, 0.2}};
    t.add(tick);
    t.noise(0, 0.006, 0.3, 0.0015, 0.8, 99u);
}

void arpeggio(Track &t)
{
    const double notes[] = {523.25, 659.25, 783.99, 1046.5};
    for (int i = 0; i < 4; ++i) {
        Voice v = voice(0.09 * i, 0.7 - 0.09 * i, notes[i], 0.5);
        v.attack = 0.004;
        v.decay = i == 3 ? 0.3 : 0.18;
        v.release = 0.08;
        v.partials = kBell;
        t.add(v);
    }
}

void fanfare(Track &t)
{
    Voice first = voice(0, 0.2, 392.0, 0.45);
    first.attack = 0.03;
    first.decay = 0;
    first.release = 0.04;
    first.brassy = 0.35;
    first.partials = kBrass;
    t.add(first);
    Voice second = first;
    second.start = 0.2;
    second.length = 0.5;
    second.freq = 523.25;
    second.decay = 0.6;
    second.release = 0.12;
    second.vibrato = 0.006;
    t.add(second);
    Voice low = second;
    low.freq = 261.63;
    low.amp = 0.22;
    t.add(low);
}

void sweepChord(Track &t)
{
    const double chord[] = {440.0, 554.37, 659.25};
    for (double f : chord) {
        for (double detune : {0.996, 1.004}) {
            Voice v = voice(0, 0.7, f * 0.5 * detune, 0.2);
            v.glideTo = f * detune;
            v.glideTime = 0.42;
            v.attack = 0.05;
            v.decay = 0;
            v.release = 0.22;
            v.tremolo = 0.35;
            v.partials = kSaw;
            t.add(v);
        }
    }
    Voice shimmer = voice(0.1, 0.6, 880, 0.12);
    shimmer.glideTo = 1760;
    shimmer.glideTime = 0.4;
    shimmer.attack = 0.1;
    shimmer.decay = 0;
    shimmer.release = 0.25;
    t.add(shimmer);
}

void buzz(Track &t)
{
    const double starts[] = {0.0, 0.2};
    const double freqs[] = {110.0, 98.0};
    for (int i = 0; i < 2; ++i) {
        Voice v = voice(starts[i], 0.15, freqs[i], 0.6);
        v.attack = 0.005;
        v.decay = 0.25;
        v.release = 0.025;
        v.partials = kBuzz;
        t.add(v);
    }
}

void welcome(Track &t)
{
    const double notes[] = {261.63, 392.0, 523.25, 659.25, 783.99};
    for (int i = 0; i < 5; ++i) {
        Voice v = voice(0.07 * i, 1.0 - 0.07 * i, notes[i], 0.4);
        v.attack = 0.006;
        v.decay = 0.45;
        v.release = 0.2;
        v.partials = kBell;
        t.add(v);
    }
    for (double f : {261.63, 329.63}) {
        Voice pad = voice(0, 1.0, f, 0.18);
        pad.attack = 0.15;
        pad.decay = 0.6;
        pad.release = 0.3;
        pad.partials = {{1, 1}, {2, 0.15}};
        t.add(pad);
    }
}

} // namespace

QStringList writeSounds(const QString &dir)
{
    QDir().mkpath(dir);
    const struct {
        const char *name;
        double seconds;
        void (*compose)(Track &);
        double peak;
    } cues[] = {
        {"press.wav", 0.08, press, 0.7},      {"click.wav", 0.04, click, 0.6},
        {"tada.wav", 0.7, arpeggio, 0.7},     {"tada2.wav", 0.7, fanfare, 0.7},
        {"tada3.wav", 0.7, sweepChord, 0.7},  {"error.wav", 0.4, buzz, 0.5},
        {"firstrun.wav", 1.0, welcome, 0.7},
    };
    QStringList written;
    for (const auto &c : cues) {
        Track t(c.seconds);
        c.compose(t);
        const QString name = QString::fromLatin1(c.name);
        if (t.write(QDir(dir).filePath(name), c.peak))
            written << name;
    }
    return written;
}

} // namespace skin
